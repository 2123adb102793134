// SPDX-License-Identifier: GPL-3.0-or-later
// The backend's windows: making frames and the views and status bars inside them, showing,
// naming and destroying them, and filling status bars' panes.
#include "afx/CWnd.h"
#include "afx/qt/FrameWidget.h"
#include "afx/qt/QtPlatform.h"
#include "afx/qt/QtText.h"
#include "afx/qt/StatusBarWidget.h"
#include "afx/qt/ViewWidget.h"

namespace afx::qt {

QWidget* QtPlatform::WidgetOf(HWND window) const
{
    const Window* record = m_windows.Find(window);
    return record != nullptr ? record->widget : nullptr;
}

HWND QtPlatform::CreateFrameWindow(CWnd& frame, const FrameWindowParts& parts)
{
    if (!EnsureApplication()) {
        return nullptr;
    }
    Window& record = (new FrameWidget(frame, parts))->Record();
    m_windows.Add(record);
    frame.Attach(&record);
    return &record;
}

HWND QtPlatform::CreateChildWindow(CWnd& child, HWND parent, ChildKind kind)
{
    Window* owner = m_windows.Find(parent);
    auto* frame = WidgetAs<FrameWidget>(owner);
    if (frame == nullptr) {
        return nullptr;
    }
    Window* record = nullptr;
    if (kind == ChildKind::View) {
        auto* view = new ViewWidget(*this, child, *owner, frame);
        frame->SetView(view);
        record = &view->Record();
    } else {
        auto* bar = new StatusBarWidget(child, *owner, frame);
        frame->setStatusBar(bar);
        record = &bar->Record();
    }
    m_windows.Add(*record);
    child.Attach(record);
    return record;
}

void QtPlatform::DestroyWindow(HWND window)
{
    Window* top = m_windows.Find(window);
    if (top == nullptr) {
        return;
    }
    // The windows inside go with it; their objects live on without windows.
    const std::vector<Window*> doomed = m_windows.Subtree(*top);
    for (Window* record : doomed) {
        if (record != top) {
            record->wnd->Detach();
        }
        m_windows.Forget(*record);
    }
    // This may run inside one of the widget's own handlers (its close box, a menu item): the
    // event loop deletes it, and the records it holds, once they have returned.
    top->widget->hide();
    top->widget->deleteLater();
}

void QtPlatform::SetWindowText(HWND window, const CString& text)
{
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) {
        return;
    }
    if (widget->isWindow()) {
        widget->setWindowTitle(ToQString(text));
    } else {
        // A child window shows no text of its own: its text is what a screen reader calls it.
        widget->setAccessibleName(ToQString(text));
    }
}

BOOL QtPlatform::ShowWindow(HWND window, int nCmdShow)
{
    Window* record = m_windows.Find(window);
    if (record == nullptr) {
        return FALSE;
    }
    QWidget* widget = record->widget;
    const BOOL wasVisible = widget->isHidden() ? FALSE : TRUE;
    if (nCmdShow == SW_HIDE) {
        widget->hide();
        return wasVisible;
    }
    auto* frame = WidgetAs<FrameWidget>(record);
    if (frame != nullptr) {
        frame->PlaceOnFirstShow();
    }
    widget->show();
    if (widget->isWindow()) {
        widget->raise();
        widget->activateWindow();
    }
    if (frame != nullptr) {
        WatchLockKeys();
        record->wnd->SendMessage(WM_IDLEUPDATECMDUI);
    }
    return wasVisible;
}

BOOL QtPlatform::SetStatusBarPanes(HWND bar, std::span<const CString> sizingTexts)
{
    auto* statusBar = WidgetAs<StatusBarWidget>(m_windows.Find(bar));
    if (statusBar == nullptr) {
        return FALSE;
    }
    statusBar->SetPanes(sizingTexts);
    return TRUE;
}

void QtPlatform::SetPaneText(HWND bar, int pane, const CString& text)
{
    if (auto* statusBar = WidgetAs<StatusBarWidget>(m_windows.Find(bar)); statusBar != nullptr) {
        statusBar->SetPaneText(pane, text);
    }
}

} // namespace afx::qt
