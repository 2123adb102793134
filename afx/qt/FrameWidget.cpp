// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/FrameWidget.h"

#include "afx/Resources.h"
#include "afx/qt/QtText.h"
#include "afx/qt/ViewScrollArea.h"
#include "afx/qt/VirtualKeys.h"
#include "afx/qt/X11Session.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <utility>

namespace afx::qt {

namespace {

// The keys of an accelerator entry; empty for a key Qt has no name for.
QKeySequence KeysOf(const AcceleratorResource& entry)
{
    if ((entry.fVirt & FVIRTKEY) == 0) {
        // A character accelerator: the character typed, whatever the modifiers.
        return {QString(QChar(entry.key))};
    }
    const int key = QtKeyOf(entry.key);
    if (key == 0) {
        return {};
    }
    Qt::KeyboardModifiers modifiers;
    if ((entry.fVirt & FSHIFT) != 0) {
        modifiers |= Qt::ShiftModifier;
    }
    if ((entry.fVirt & FCONTROL) != 0) {
        modifiers |= Qt::ControlModifier;
    }
    if ((entry.fVirt & FALT) != 0) {
        modifiers |= Qt::AltModifier;
    }
    return {QKeyCombination(modifiers, static_cast<Qt::Key>(key))};
}

} // namespace

FrameWidget::FrameWidget(CWnd& frame, const FrameWindowParts& parts)
    : m_window(frame, nullptr, *this)
{
    if (parts.cs != nullptr) {
        m_createStruct = *parts.cs;
    }
    m_menusClosed.setSingleShot(true);
    m_menusClosed.setInterval(0);
    connect(&m_menusClosed, &QTimer::timeout, this, [this] {
        if (QApplication::activePopupWidget() == nullptr) {
            m_window.Send(WM_MENUSELECT, MAKEWPARAM(0, MF_MENUCLOSED), 0);
        }
    });
    if (parts.menu != nullptr) {
        BuildMenu(*parts.menu);
    }
    if (parts.accelerators != nullptr) {
        BuildAccelerators(*parts.accelerators);
    }
    if (parts.icon != nullptr) {
        QIcon icon;
        for (const char* file : parts.icon->files) {
            icon.addFile(QString::fromUtf8(file));
        }
        setWindowIcon(icon);
        // The first frame's icon is the program's: boxes and dialogs shown while no frame is on
        // screen to own them carry it too.
        if (QApplication::windowIcon().isNull()) {
            QApplication::setWindowIcon(icon);
        }
    }
    const CREATESTRUCT& cs = m_createStruct;
    if (cs.cx != CW_USEDEFAULT && cs.cy != CW_USEDEFAULT) {
        resize(cs.cx, cs.cy);
    }
    if (cs.x != CW_USEDEFAULT && cs.y != CW_USEDEFAULT) {
        move(cs.x, cs.y);
    }
}

void FrameWidget::SetView(QWidget* view)
{
    m_viewArea = new ViewScrollArea(view, this);
    setCentralWidget(m_viewArea);
}

void FrameWidget::PlaceOnFirstShow()
{
    if (std::exchange(m_shownBefore, true)) {
        return;
    }
    const QScreen* shownOn = screen();
    const QRect available = shownOn != nullptr ? shownOn->availableGeometry() : QRect();
    const CREATESTRUCT& cs = m_createStruct;
    // The view asks for room for the whole board, the menu and status bars for theirs.
    const QSize wanted = sizeHint();
    if (m_viewArea != nullptr && available.isValid() &&
        wanted.boundedTo(available.size()) != wanted) {
        // Cut down to the screen, the view would lose what lies beyond: it scrolls instead.
        m_viewArea->KeepViewWhole();
    }
    if (cs.cx == CW_USEDEFAULT || cs.cy == CW_USEDEFAULT) {
        resize(available.isValid() ? wanted.boundedTo(available.size()) : wanted);
    }
    if ((cs.x == CW_USEDEFAULT || cs.y == CW_USEDEFAULT) && available.isValid() &&
        !x11::WindowManagerRuns()) {
        // Nobody else will place it. (QRect::center rounds down, a pixel off the screen for a
        // window as large as the screen.)
        move(available.topLeft() +
             QPoint((available.width() - width()) / 2, (available.height() - height()) / 2));
    }
}

void FrameWidget::BuildMenu(const MenuResource& menu)
{
    QMenuBar* bar = menuBar();
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const PopupMenuResource& popup : menu.popups) {
        QMenu* dropDown = bar->addMenu(ToQString(popup.text));
        connect(dropDown, &QMenu::aboutToShow, this, [this] { MenuOpened(); });
        connect(dropDown, &QMenu::aboutToHide, this, [this] { MenuClosing(); });
        connect(dropDown, &QMenu::hovered, this,
                [this](const QAction* action) { ItemHighlighted(action); });
        for (const MenuItemResource& item : popup.items) {
            if (item.id == 0) {
                dropDown->addSeparator();
                continue;
            }
            // The text after a tab is the accelerator's label, which Qt shows as it stands. No
            // shortcut goes on the action: the accelerator table alone decides what keys do.
            QAction* action = dropDown->addAction(ToQString(item.text));
            action->setData(item.id);
            const UINT id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
        }
    }
}

void FrameWidget::BuildAccelerators(const AcceleratorTableResource& table)
{
    QList<QKeySequence> taken;
    for (const AcceleratorResource& entry : table.entries) {
        const QKeySequence keys = KeysOf(entry);
        // The first entry for a key wins; a second shortcut would make both ambiguous.
        if (keys.isEmpty() || taken.contains(keys)) {
            continue;
        }
        taken.append(keys);
        auto* shortcut = new QShortcut(keys, this);
        const UINT id = entry.cmd;
        connect(shortcut, &QShortcut::activated, this, [this, id] { SendCommand(id); });
    }
}

void FrameWidget::SendCommand(UINT id)
{
    m_window.Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CN_COMMAND), 0);
}

void FrameWidget::MenuOpened()
{
    m_window.Send(WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0);
}

void FrameWidget::ItemHighlighted(const QAction* action)
{
    WPARAM selection = MAKEWPARAM(static_cast<WORD>(action->data().toUInt()), 0);
    if (action->isSeparator()) {
        selection = MAKEWPARAM(0, MF_SEPARATOR);
    } else if (action->menu() != nullptr) {
        selection = MAKEWPARAM(0, MF_POPUP);
    }
    m_window.Send(WM_MENUSELECT, selection, 0);
}

void FrameWidget::MenuClosing()
{
    // Moving from one drop-down to the next closes the first before the second opens: wait
    // until that is settled, so that the status bar does not flash its idle text between them.
    m_menusClosed.start();
}

bool FrameWidget::event(QEvent* event)
{
    // Qt would show menu items' status tips as a temporary message that hides the panes and
    // leaves them blank after the menu closes; WM_MENUSELECT tells the frame instead.
    if (event->type() == QEvent::StatusTip) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void FrameWidget::closeEvent(QCloseEvent* event)
{
    // The frame's object decides whether and how the window goes.
    event->ignore();
    m_window.Send(WM_CLOSE);
}

} // namespace afx::qt
