// SPDX-License-Identifier: GPL-3.0-or-later
// The backend that puts the framework's windows on screen with Qt Widgets: frames with menus,
// accelerators and status bars, views that show what they drew, message boxes and dialogs built
// from templates. The QApplication is made on the first call that needs a display, so that a
// program can handle its command line without one.
//
// One class, its calls in one source per job: QtPlatform.cpp (the backend's life, the message
// loop and the keyboard's state), QtPlatformWindows.cpp (making, showing and destroying
// windows, status bars), QtPlatformPainting.cpp (when views paint, and how) and
// QtPlatformBoxes.cpp (message boxes, dialogs, the file prompt) and QtPlatformTimers.cpp
// (timers). Each kind of window has its
// widget class, which holds the window's record (WindowRecord.h).
#pragma once

#include "afx/CDC.h"
#include "afx/Platform.h"
#include "afx/qt/WindowRecord.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QApplication;
class QPaintEvent;
class QWidget;

namespace afx::qt {

class LockKeyWatcher;
class EndGuard;
class ViewWidget;

class QtPlatform : public Platform {
public:
    // `argv[0]` names the program to Qt; the other arguments are the program's own.
    QtPlatform(int argc, char* argv[]);
    // Closes what windows are left and, if this backend made it, the QApplication.
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    QtPlatform(QtPlatform&&) = delete;
    QtPlatform& operator=(QtPlatform&&) = delete;

    // The widget that shows `window`; null for a handle this backend does not know.
    QWidget* WidgetOf(HWND window) const;
    // What a view shows until its next paint; null for any other window.
    const std::vector<CDC::TextItem>* ShownDrawing(HWND view) const;

    BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) override;
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void EndPaint(HWND window, const CDC& dc) override;
    void DestroyWindow(HWND window) override;
    int MessageBox(const CString& text, const CString& caption, UINT type,
                   UINT helpContext) override;
    HWND CreateFrameWindow(CWnd& frame, const FrameWindowParts& parts) override;
    HWND CreateChildWindow(CWnd& child, HWND parent, ChildKind kind) override;
    void SetWindowText(HWND window, const CString& text) override;
    BOOL ShowWindow(HWND window, int nCmdShow) override;
    BOOL UpdateWindow(HWND window) override;
    BOOL SetStatusBarPanes(HWND bar, std::span<const CString> sizingTexts) override;
    void SetPaneText(HWND bar, int pane, const CString& text) override;
    int RunModalDialog(CWnd& dialog, const DialogResource& tmpl, HWND parent) override;
    void EndDialog(HWND dialog, int result) override;
    int RunMessageLoop() override;
    void PostQuitMessage(int exitCode) override;
    SHORT GetKeyState(int virtualKey) override;
    BOOL PromptForFileToOpen(HWND owner, CString& path) override;
    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse) override;
    BOOL KillTimer(HWND window, UINT_PTR id) override;

private:
    // What happens to the application and to views comes back to the backend through these.
    friend class LockKeyWatcher;
    friend class ViewWidget;

    // Makes the QApplication if there is none yet; false, after saying why on stderr once,
    // when there is no display to show windows on.
    bool EnsureApplication();
    std::string ProgramName() const;
    // From the first frame on screen on, frames hear of every change of the lock keys; before,
    // nothing on the way to the first window waits on the keyboard.
    void WatchLockKeys();
    // Frames bring their status bars up to date with the keyboard's lock keys.
    void SendIdleUpdates();

    // Painting: WM_PAINT comes from a posted event, never from inside Qt's paint handling,
    // which only replays the record the view handed over.
    void MarkForPainting(ViewWidget& view);
    void PostPaintDelivery(ViewWidget& view);
    void DeliverPaint(ViewWidget& view);
    void PaintNow(ViewWidget& view);
    void PaintView(ViewWidget& view, const QPaintEvent& event);

    // The frame a box belongs to: the active one, else any frame on screen; null if none is.
    QWidget* OwnerForBox() const;

    int m_argc = 1;
    std::string m_programPath;
    std::vector<char*> m_argv;
    std::unique_ptr<QApplication> m_application; // null when the program made its own
    std::unique_ptr<LockKeyWatcher> m_watcher;   // once a frame has been shown
    std::unique_ptr<EndGuard> m_endGuard; // while there is an application: a clean end under it
    bool m_noDisplay = false;

    WindowList m_windows;
    int m_paintDepth = 0; // inside Qt's paint handling of a view

    bool m_loopRunning = false;
    std::optional<int> m_quitBeforeLoop;
};

} // namespace afx::qt
