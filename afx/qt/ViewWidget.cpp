// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/ViewWidget.h"

#include "afx/qt/QtPlatform.h"
#include "afx/qt/ViewAccessible.h"
#include "afx/qt/VirtualKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace afx::qt {

namespace {

// Mouse-message flags: the modifier keys and the other buttons held at the release.
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

} // namespace

ViewWidget::ViewWidget(QtPlatform& platform, CWnd& view, Window& frame, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_window(view, &frame, *this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Views are used from the keyboard too: a view has the keys once its frame is shown.
    setFocus(Qt::OtherFocusReason);
    InstallViewAccessibility();
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
        m_platform.DeliverPaint(*this);
        return true;
    }
    return QWidget::event(event);
}

void ViewWidget::ShowDrawing(std::vector<CDC::TextItem> drawing)
{
    m_paint.drawing = std::move(drawing);
    m_paint.freshDrawing = true;
    update();
    if (m_accessible != nullptr) {
        m_accessible->ShowDrawing(m_paint.drawing);
    }
}

void ViewWidget::paintEvent(QPaintEvent* event)
{
    m_platform.PaintView(*this, *event);
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    // A release outside the view belongs to whatever window lies there, not to the view that
    // saw the press; so does one over a part of the view scrolled out of sight.
    if (event->button() != Qt::LeftButton || !visibleRegion().contains(point)) {
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
    m_window.Send(WM_LBUTTONUP, flags, MAKELPARAM(point.x(), point.y()));
}

void ViewWidget::keyPressEvent(QKeyEvent* event)
{
    // Chords with Ctrl, Alt or the logo key are the accelerators' and the menus'.
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const WORD key = VirtualKeyOf(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
    if (key == 0 || (event->modifiers() & chords) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const UINT flags = event->isAutoRepeat() ? KF_REPEAT : 0U;
    m_window.Send(WM_KEYDOWN, key, MAKELPARAM(1, static_cast<int>(flags)));
}

} // namespace afx::qt
