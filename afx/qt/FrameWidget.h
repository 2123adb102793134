// SPDX-License-Identifier: GPL-3.0-or-later
// A frame on screen: the main window with its menu bar, accelerators, view and status bar.
#pragma once

#include "afx/Platform.h"
#include "afx/WinTypes.h"
#include "afx/qt/WindowRecord.h"

#include <QMainWindow>
#include <QTimer>

class QAction;

namespace afx::qt {

class ViewScrollArea;

class FrameWidget : public QMainWindow {
public:
    // The frame of the object `frame`, built from `parts`; a size or position that `parts.cs`
    // asks for is applied at once.
    FrameWidget(CWnd& frame, const FrameWindowParts& parts);

    Window& Record() { return m_window; }

    // Makes `view` the frame's content, in an area that scrolls it should the screen be too
    // small for it (see PlaceOnFirstShow).
    void SetView(QWidget* view);

    // Before the frame first shows: where no size was asked for it takes the size of what it
    // holds, within the screen; where no position was, and no window manager will place it,
    // it goes to the middle of the screen. Where the screen cannot hold what the frame holds,
    // its view keeps its whole size and scrolls. Does nothing after the first time.
    void PlaceOnFirstShow();

    // A popup of the menu bar opened, or an item in one is highlighted.
    void MenuOpened();
    void ItemHighlighted(const QAction* action);
    // A popup is closing; the menus count as closed once no other popup has opened.
    void MenuClosing();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void BuildMenu(const MenuResource& menu);
    void BuildAccelerators(const AcceleratorTableResource& table);
    void SendCommand(UINT id);

    Window m_window;
    ViewScrollArea* m_viewArea = nullptr; // the content, once there is a view
    CREATESTRUCT m_createStruct;          // the size and position asked for
    bool m_shownBefore = false;
    QTimer m_menusClosed; // looks once the popups have settled whether any is still open
};

} // namespace afx::qt
