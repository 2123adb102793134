// SPDX-License-Identifier: GPL-3.0-or-later
// A backend without a screen, for tests and benchmarks. Windows are records; painting keeps
// what the window drew; message boxes are answered at once; and every call the core makes
// (invalidations, default processing, paints and boxes) goes into one log in the order made,
// so that the order of a handler's effects can be checked. A test can act while a box is
// open, as a user could while a modal box runs its loop.
#pragma once

#include "afx/CDC.h"
#include "afx/CString.h"
#include "afx/Platform.h"
#include "afx/Resources.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CWnd;

class HeadlessPlatform : public afx::Platform {
public:
    struct Event {
        enum class Kind { Invalidate, Default, Paint, MessageBox, Dialog };
        explicit Event(Kind eventKind)
            : kind(eventKind)
        {}

        Kind kind;
        HWND window = nullptr;              // null: every window (Invalidate) or none (box)
        UINT message = 0;                   // Default: the message passed on
        BOOL erase = FALSE;                 // Invalidate
        bool wholeArea = true;              // Invalidate: no rectangle given
        CString text;                       // MessageBox; Dialog: its caption
        CString caption;                    // MessageBox
        UINT type = 0;                      // MessageBox; Dialog: its template's id
        UINT helpContext = 0;               // MessageBox
        std::vector<CDC::TextItem> drawing; // Paint: what the window drew
    };

    // Installs itself as the platform; the destructor removes it.
    HeadlessPlatform();
    ~HeadlessPlatform() override;
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;
    HeadlessPlatform(HeadlessPlatform&&) = delete;
    HeadlessPlatform& operator=(HeadlessPlatform&&) = delete;

    // Gives `wnd` a window of its own, as creating it on screen would.
    HWND CreateWindow(CWnd& wnd);

    // The user releases the left button at (x, y) of `wnd`'s client area.
    void Click(CWnd& wnd, int x, int y, UINT flags = 0);
    // The user presses the key `virtualKey` while `wnd` has the focus; `repeat`: the key was
    // already down and this is the keyboard repeating it.
    void KeyDown(CWnd& wnd, UINT virtualKey, bool repeat = false);
    // The window system asks `wnd` to paint, whether or not it was invalidated.
    void Paint(CWnd& wnd);
    // Paints every window invalidated since its last paint, as an idle message loop does;
    // returns how many were painted.
    int PaintInvalidated();
    // Whether `wnd` was invalidated since its last paint.
    bool NeedsPaint(const CWnd& wnd) const;
    // What `wnd` drew at its last paint; empty before its first.
    const std::vector<CDC::TextItem>& LastDrawing(const CWnd& wnd) const;

    // Everything logged so far, oldest first; ClearLog forgets it.
    const std::vector<Event>& Log() const { return m_log; }
    void ClearLog() { m_log.clear(); }
    // The log, one line per event, for comparing in tests: "box <type>/<help>: <text>",
    // "invalidate[ erase]", "default 0x<message>", "paint".
    std::vector<std::wstring> Trace() const;
    // The boxes shown so far, oldest first.
    std::vector<Event> Boxes() const;

    // Runs while each message box is open, before it is answered. Null: nothing happens.
    std::function<void(const Event& box)> whileBoxOpen;
    // The button that closes every box.
    int boxAnswer = IDOK;

    // Frames, child windows and what they show.
    HWND FindWindow(const CWnd& wnd) const;
    bool IsVisible(const CWnd& wnd) const;
    CString WindowText(const CWnd& wnd) const;
    // The menu and accelerators a frame was built with; null for other windows.
    const afx::MenuResource* MenuOf(const CWnd& frame) const;
    const afx::AcceleratorTableResource* AcceleratorsOf(const CWnd& frame) const;
    // A status bar's panes: the text each shows, and the text each was sized for.
    std::vector<CString> PaneTexts(const CWnd& bar) const;
    std::vector<CString> PaneSizingTexts(const CWnd& bar) const;
    // The number of windows alive.
    int WindowCount() const { return static_cast<int>(m_windows.size()); }

    // The user picks menu item or accelerator `id` in `frame`.
    void Command(CWnd& frame, UINT id);
    // The user highlights menu item `id` (or, with MF_POPUP or MF_SEPARATOR, no item), or
    // closes the menus (MF_MENUCLOSED).
    void MenuSelect(CWnd& frame, UINT id, UINT flags = 0);
    // The user presses the close box of `wnd`.
    void CloseBox(CWnd& wnd);
    // The program goes idle: frames bring their status bars up to date and invalidated
    // windows are painted.
    void Idle();

    // Timers run on a clock of the test's own, which stands still until AdvanceTime moves it
    // on `milliseconds`, sending WM_TIMER for each timer as it falls due, in the order they
    // fall due (an interval of 0 counts as 1). Returns how many were sent.
    int AdvanceTime(UINT milliseconds);
    // The interval of `wnd`'s timer `id`; none while it does not run.
    std::optional<UINT> TimerInterval(const CWnd& wnd, UINT_PTR id) const;
    // How many timers run, in every window.
    int TimerCount() const { return static_cast<int>(m_timers.size()); }

    // The keyboard's lock keys (VK_CAPITAL, VK_NUMLOCK, VK_SCROLL); all off at first.
    void SetLockKey(int virtualKey, bool on) { m_lockKeys[virtualKey] = on; }

    // Dialogs. While one runs, `whileDialogOpen` acts as the user; when it returns without
    // ending the dialog, Enter ends it. The calls below act on the open dialog.
    std::function<void(CWnd& dialog, const afx::DialogResource& tmpl)> whileDialogOpen;
    // A click on button `id`: an automatic radio button is checked (its group's others
    // unchecked) before the dialog hears of the click.
    void ClickDialogButton(CWnd& dialog, int id);
    void PressEnter(CWnd& dialog);
    void PressEscape(CWnd& dialog);
    // The radio buttons of the open dialog that are checked.
    std::vector<int> CheckedButtons(const CWnd& dialog) const;
    // The results the dialogs that ran ended with, oldest first.
    const std::vector<int>& DialogResults() const { return m_dialogResults; }
    // Whether windows of the given kind can be made; tests turn them off to see failures.
    bool frameCreationFails = false;
    bool statusBarCreationFails = false;
    bool dialogCreationFails = false;

    // The message loop: runs `whileLoopRuns` as the user, then returns the code given to
    // PostQuitMessage (0 if none was).
    std::function<void()> whileLoopRuns;
    std::optional<int> QuitCode() const { return m_quitCode; }
    // The file the open dialog answers with; none: the user cancels it.
    std::optional<CString> fileToOpen;
    // How many times the open dialog was shown.
    int openDialogsShown = 0;

    BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) override;
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void EndPaint(HWND window, const CDC& dc) override;
    void DestroyWindow(HWND window) override;
    int MessageBox(const CString& text, const CString& caption, UINT type,
                   UINT helpContext) override;
    HWND CreateFrameWindow(CWnd& frame, const afx::FrameWindowParts& parts) override;
    HWND CreateChildWindow(CWnd& child, HWND parent, afx::ChildKind kind) override;
    void SetWindowText(HWND window, const CString& text) override;
    BOOL ShowWindow(HWND window, int nCmdShow) override;
    BOOL UpdateWindow(HWND window) override;
    BOOL SetStatusBarPanes(HWND bar, std::span<const CString> sizingTexts) override;
    void SetPaneText(HWND bar, int pane, const CString& text) override;
    int RunModalDialog(CWnd& dialog, const afx::DialogResource& tmpl, HWND parent) override;
    void EndDialog(HWND dialog, int result) override;
    int RunMessageLoop() override;
    void PostQuitMessage(int exitCode) override;
    SHORT GetKeyState(int virtualKey) override;
    BOOL PromptForFileToOpen(HWND owner, CString& path) override;
    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse) override;
    BOOL KillTimer(HWND window, UINT_PTR id) override;

private:
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT elapse;
        unsigned long long due; // on the test's clock
    };

    struct Window;
    Window* Find(HWND window) const;
    Window* Find(const CWnd& wnd) const;
    Window& Add(CWnd& wnd, HWND parent);
    // Paints the invalidated windows among `top` and its descendants (every window when null).
    int PaintInvalidatedWithin(HWND top);
    bool IsWithin(const Window& window, HWND ancestor) const;

    std::vector<std::unique_ptr<Window>> m_windows;
    std::vector<Event> m_log;
    std::map<int, bool> m_lockKeys;
    std::vector<int> m_dialogResults;
    std::optional<int> m_quitCode;
    std::vector<Timer> m_timers;  // in the order they were set
    unsigned long long m_now = 0; // the test's clock, in milliseconds
};
