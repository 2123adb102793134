// SPDX-License-Identifier: GPL-3.0-or-later
// The seam between the toolkit-free core and the toolkit that shows windows. A backend
// installs its Platform at start-up; until then (and in tests that install none) there are no
// windows, window calls do nothing and no box is shown.
#pragma once

#include "afx/WinTypes.h"

#include <span>

class CDC;
class CString;
class CWnd;

namespace afx {

struct AcceleratorTableResource;
struct DialogResource;
struct IconResource;
struct MenuResource;

// What a top-level frame window is built from.
struct FrameWindowParts {
    const CREATESTRUCT* cs = nullptr;   // position, size and style
    const MenuResource* menu = nullptr; // null: no menu bar
    const AcceleratorTableResource* accelerators = nullptr;
    const IconResource* icon = nullptr;
};

// The kinds of child window a frame holds.
enum class ChildKind {
    View,      // shows what its window drew at its last paint; reports button releases
    StatusBar, // a row of text panes along the bottom of its frame
};

class Platform {
public:
    Platform() = default;
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;
    Platform(Platform&&) = delete;
    Platform& operator=(Platform&&) = delete;
    virtual ~Platform() = default;

    // Marks `rect` of the window (all of it when null) for repainting, erasing the background
    // first when `erase` is set. A null window means every window of the program.
    virtual BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) = 0;
    // The toolkit's own handling of a message that the program's handlers passed on.
    virtual LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Takes what the window drew while handling WM_PAINT, to show until its next paint.
    virtual void EndPaint(HWND window, const CDC& dc) = 0;
    // The window's object is going away: forget the handle.
    virtual void DestroyWindow(HWND window) = 0;
    // Shows a modal message box and returns the id of the button that closed it (IDOK, ...).
    virtual int MessageBox(const CString& text, const CString& caption, UINT type,
                           UINT helpContext) = 0;

    // Windows. A created window is bound to its object with CWnd::Attach, hidden until
    // ShowWindow. Messages from the user reach the object through CWnd::SendMessage:
    // WM_COMMAND for menu items, accelerators and dialog buttons, WM_MENUSELECT while a menu
    // is open, WM_CLOSE for the close box, WM_LBUTTONUP on views, WM_KEYDOWN on the view that
    // has the keyboard focus for each key pressed there without Ctrl, Alt or the logo key
    // (chords with those belong to the accelerators and menus), and WM_IDLEUPDATECMDUI to
    // frames as they show and whenever a lock key may have changed, so that their status bars
    // follow the keyboard's lock keys.

    // A top-level frame window; null when it cannot be made.
    virtual HWND CreateFrameWindow(CWnd& frame, const FrameWindowParts& parts) = 0;
    // A child window filling its part of `parent`; null when it cannot be made.
    virtual HWND CreateChildWindow(CWnd& child, HWND parent, ChildKind kind) = 0;
    // A frame's or dialog's title; a child window, which shows no text of its own, is called
    // by its text to assistive technology.
    virtual void SetWindowText(HWND window, const CString& text) = 0;
    virtual BOOL ShowWindow(HWND window, int nCmdShow) = 0;
    // Paints at once whatever of the window and its children awaits painting.
    virtual BOOL UpdateWindow(HWND window) = 0;

    // A status bar's panes, left to right: the first stretches over the width the others
    // leave; each other one is wide enough for its sizing text. All start blank.
    virtual BOOL SetStatusBarPanes(HWND bar, std::span<const CString> sizingTexts) = 0;
    virtual void SetPaneText(HWND bar, int pane, const CString& text) = 0;

    // Builds a dialog from `tmpl`, runs it modally over `parent` (null: no owner) until
    // EndDialog, and returns EndDialog's result; -1 when it cannot be made. The dialog gets
    // WM_COMMAND with IDOK for its default button or Enter, IDCANCEL for Esc or its close
    // box, and BN_CLICKED from each button the user chooses.
    virtual int RunModalDialog(CWnd& dialog, const DialogResource& tmpl, HWND parent) = 0;
    virtual void EndDialog(HWND dialog, int result) = 0;

    // Runs the message loop until PostQuitMessage, and returns the code it was given.
    virtual int RunMessageLoop() = 0;
    virtual void PostQuitMessage(int exitCode) = 0;

    // The keyboard state of a virtual key; the low bit is set while a lock key is on.
    virtual SHORT GetKeyState(int virtualKey) = 0;

    // Asks the user for a file to open; FALSE when the user cancels.
    virtual BOOL PromptForFileToOpen(HWND owner, CString& path) = 0;

    // Timers. From SetTimer on, `window` gets WM_TIMER with `id` in wParam every `elapse`
    // milliseconds (0: whenever the loop has nothing else to do), from the message loop and
    // from the loop of any box or dialog alike, until KillTimer or until the window is
    // destroyed. Setting a running timer again starts its interval afresh. SetTimer returns
    // `id` (nonzero), or 0 when the window is unknown; KillTimer FALSE when there was no such
    // timer.
    virtual UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse) = 0;
    virtual BOOL KillTimer(HWND window, UINT_PTR id) = 0;
};

// Installs `platform` (not owned) for the calls below; null removes it.
void SetPlatform(Platform* platform);
// The installed platform, or null.
Platform* GetPlatform();

} // namespace afx

// The platform's window calls, routed to the installed backend. Without one they fail.
BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL UpdateWindow(HWND hWnd);
SHORT GetKeyState(int nVirtKey);
