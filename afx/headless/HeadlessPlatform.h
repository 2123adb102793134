// A backend without a screen, for tests and benchmarks. Windows are records; painting keeps
// what the window drew; message boxes are answered at once; and every call the core makes
// (invalidations, default processing, paints and boxes) goes into one log in the order made,
// so that the order of a handler's effects can be checked. A test can act while a box is
// open, as a user could while a modal box runs its loop.
#pragma once

#include "afx/CDC.h"
#include "afx/CString.h"
#include "afx/Platform.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CWnd;

class HeadlessPlatform : public afx::Platform {
public:
    struct Event {
        enum class Kind { Invalidate, Default, Paint, MessageBox };
        explicit Event(Kind eventKind)
            : kind(eventKind)
        {}

        Kind kind;
        HWND window = nullptr;              // null: every window (Invalidate) or none (box)
        UINT message = 0;                   // Default: the message passed on
        BOOL erase = FALSE;                 // Invalidate
        bool wholeArea = true;              // Invalidate: no rectangle given
        CString text;                       // MessageBox
        UINT type = 0;                      // MessageBox
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

    BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) override;
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void EndPaint(HWND window, const CDC& dc) override;
    void DestroyWindow(HWND window) override;
    int MessageBox(const CString& text, UINT type, UINT helpContext) override;

private:
    struct Window;
    Window* Find(HWND window) const;
    Window* Find(const CWnd& wnd) const;

    std::vector<std::unique_ptr<Window>> m_windows;
    std::vector<Event> m_log;
};
