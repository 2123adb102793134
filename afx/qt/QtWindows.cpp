// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/QtWindows.h"

#include "afx/qt/QtPlatform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <array>
#include <utility>

namespace afx::qt {

namespace {

// Mouse-message flags: the modifier keys and the other buttons held at the release.
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// The virtual keys an accelerator table may name besides letters and digits.
constexpr std::array<std::pair<WORD, Qt::Key>, 15> kNamedKeys{{
    {VK_BACK, Qt::Key_Backspace},
    {0x09, Qt::Key_Tab},
    {0x0D, Qt::Key_Return},
    {0x1B, Qt::Key_Escape},
    {0x20, Qt::Key_Space},
    {0x21, Qt::Key_PageUp},
    {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},
    {0x24, Qt::Key_Home},
    {0x25, Qt::Key_Left},
    {0x26, Qt::Key_Up},
    {0x27, Qt::Key_Right},
    {0x28, Qt::Key_Down},
    {VK_INSERT, Qt::Key_Insert},
    {VK_DELETE, Qt::Key_Delete},
}};
constexpr WORD VK_F1 = 0x70;
constexpr WORD VK_F24 = 0x87;

// The keys of an accelerator entry; empty for a key Qt has no name for.
QKeySequence KeysOf(const AcceleratorResource& entry)
{
    if ((entry.fVirt & FVIRTKEY) == 0) {
        // A character accelerator: the character typed, whatever the modifiers.
        return {QString(QChar(entry.key))};
    }
    int key = 0;
    if ((entry.key >= 'A' && entry.key <= 'Z') || (entry.key >= '0' && entry.key <= '9')) {
        key = entry.key; // Qt names letters and digits by the same codes
    } else if (entry.key >= VK_F1 && entry.key <= VK_F24) {
        key = Qt::Key_F1 + (entry.key - VK_F1);
    } else {
        for (const auto& [virtualKey, qtKey] : kNamedKeys) {
            if (virtualKey == entry.key) {
                key = qtKey;
            }
        }
    }
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

FrameWidget::FrameWidget(QtPlatform& platform, const FrameWindowParts& parts)
    : m_platform(platform)
{
    m_menusClosed.setSingleShot(true);
    m_menusClosed.setInterval(0);
    connect(&m_menusClosed, &QTimer::timeout, this, [this] {
        if (QApplication::activePopupWidget() == nullptr) {
            m_platform.Send(this, WM_MENUSELECT, MAKEWPARAM(0, MF_MENUCLOSED), 0);
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
    m_platform.Send(this, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CN_COMMAND), 0);
}

void FrameWidget::MenuOpened()
{
    m_platform.Send(this, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0);
}

void FrameWidget::ItemHighlighted(const QAction* action)
{
    WPARAM selection = MAKEWPARAM(static_cast<WORD>(action->data().toUInt()), 0);
    if (action->isSeparator()) {
        selection = MAKEWPARAM(0, MF_SEPARATOR);
    } else if (action->menu() != nullptr) {
        selection = MAKEWPARAM(0, MF_POPUP);
    }
    m_platform.Send(this, WM_MENUSELECT, selection, 0);
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
    m_platform.Send(this, WM_CLOSE);
}

ViewWidget::ViewWidget(QtPlatform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QSize ViewWidget::sizeHint() const
{
    // Room for the whole board, which lies at fixed pixels.
    return {800, 660};
}

QEvent::Type ViewWidget::DeliverPaintEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool ViewWidget::event(QEvent* event)
{
    if (event->type() == DeliverPaintEvent()) {
        m_platform.DeliverPaint(this);
        return true;
    }
    return QWidget::event(event);
}

void ViewWidget::paintEvent(QPaintEvent* event)
{
    m_platform.PaintView(*this, *event);
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    // A release outside the view belongs to whatever window lies there, not to the view that
    // saw the press.
    if (event->button() != Qt::LeftButton || !rect().contains(point)) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    WPARAM flags = 0;
    if (event->modifiers().testFlag(Qt::ShiftModifier)) {
        flags |= MK_SHIFT;
    }
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        flags |= MK_CONTROL;
    }
    if (event->buttons().testFlag(Qt::RightButton)) {
        flags |= MK_RBUTTON;
    }
    if (event->buttons().testFlag(Qt::MiddleButton)) {
        flags |= MK_MBUTTON;
    }
    m_platform.Send(this, WM_LBUTTONUP, flags, MAKELPARAM(point.x(), point.y()));
}

AppWatcher::AppWatcher(QtPlatform& platform)
    : m_platform(platform)
{
    // Lock keys can change while another program has the keyboard: look now and then.
    m_nowAndThen.setInterval(500);
    connect(&m_nowAndThen, &QTimer::timeout, this, [this] { m_platform.SendIdleUpdates(); });
    m_nowAndThen.start();
    // After a key has been handled, when its lock has changed; once for keys that come together.
    m_afterKeys.setSingleShot(true);
    m_afterKeys.setInterval(0);
    connect(&m_afterKeys, &QTimer::timeout, this, [this] { m_platform.SendIdleUpdates(); });
    QCoreApplication::instance()->installEventFilter(this);
}

bool AppWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        m_afterKeys.start();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace afx::qt
