// SPDX-License-Identifier: GPL-3.0-or-later
// The backend that puts the framework's windows on screen with Qt Widgets: frames with menus,
// accelerators and status bars, views that show what they drew, message boxes and dialogs built
// from templates. The QApplication is made on the first call that needs a display, so that a
// program can handle its command line without one.
#pragma once

#include "afx/CDC.h"
#include "afx/Platform.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QApplication;
class QObject;
class QPaintEvent;
class QWidget;

namespace afx::qt {

struct Window;
class AppWatcher;

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

private:
    // The backend's widgets turn what happens to them into messages through these.
    friend class AppWatcher;
    friend class DialogWidget;
    friend class FrameWidget;
    friend class ViewWidget;

    // Makes the QApplication if there is none yet; false, after saying why on stderr once,
    // when there is no display to show windows on.
    bool EnsureApplication();
    std::string ProgramName() const;

    Window* Find(HWND window) const;
    Window* RecordOf(const QObject* widget) const;
    // Delivers a message to the object of the window that `widget` shows; 0 when it has none.
    LRESULT Send(const QObject* widget, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The window and every window inside it, the window first.
    std::vector<Window*> Subtree(const Window& top) const;
    Window& Add(std::unique_ptr<Window> record);

    // Painting. A view that needs painting gets WM_PAINT from a posted event, never from
    // inside Qt's paint handling, which only replays the record the view handed over.
    void MarkForPainting(Window& view);
    void PostPaintDelivery(Window& view);
    void DeliverPaint(const QObject* view);
    void PaintNow(Window& view);
    void PaintView(QWidget& view, const QPaintEvent& event);

    // Frames bring their status bars up to date with the keyboard's lock keys.
    void SendIdleUpdates();
    // The frame a box belongs to: the active one, else any frame on screen; null if none is.
    QWidget* OwnerForBox() const;
    void FitToScreen(Window& frame);

    int m_argc = 1;
    std::string m_programPath;
    std::vector<char*> m_argv;
    std::unique_ptr<QApplication> m_application; // null when the program made its own
    std::unique_ptr<AppWatcher> m_watcher;
    bool m_noDisplay = false;

    std::vector<std::unique_ptr<Window>> m_windows;
    int m_paintDepth = 0; // inside Qt's paint handling of a view

    bool m_loopRunning = false;
    std::optional<int> m_quitBeforeLoop;
};

} // namespace afx::qt
