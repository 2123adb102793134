// SPDX-License-Identifier: GPL-3.0-or-later
// When and how views paint.
//
// A view draws into a record (CDC) from its WM_PAINT handler, and Qt's paint handling only
// replays the last record it handed over: no handler runs inside a paint event, since a handler
// may open a box, and a box's loop must not run inside Qt's paint handling.
//
// Asking for a paint (InvalidateRect) marks the view and posts one event that will deliver
// WM_PAINT; more requests before it arrives ride on the same event. It is posted at low
// priority, so that, as on the platform, WM_PAINT comes after the input waiting in the queue.
// The mark is cleared before WM_PAINT is sent, so that an invalidation while the view draws
// asks for another paint.
//
// A WM_PAINT handler may open a box (the board announces its last round from inside its
// paint). The box's loop delivers these events too, so views go on painting while it is up,
// the view that opened it included: its WM_PAINT then runs nested inside its unfinished one,
// and the outer paint, which ends last, hands over the record that stays on screen.
// UpdateWindow delivers what is due at once and then has Qt paint, except inside a paint
// event, where the posted deliveries will do it.
//
// A paint event that does not follow a new record comes from the window system (the view was
// uncovered, resized or shown): as on the platform, the view then draws afresh, through a
// posted delivery again. A hidden view is not painted; showing it brings a paint event, which
// asks again.
#include "afx/CWnd.h"
#include "afx/qt/DrawingReplay.h"
#include "afx/qt/QtPlatform.h"
#include "afx/qt/ViewWidget.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace afx::qt {

namespace {

// Counts the paint events in progress, so that nothing paints from inside one.
class PaintScope {
public:
    explicit PaintScope(int& depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~PaintScope() { --m_depth; }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    PaintScope(PaintScope&&) = delete;
    PaintScope& operator=(PaintScope&&) = delete;

private:
    int& m_depth;
};

} // namespace

const std::vector<CDC::TextItem>* QtPlatform::ShownDrawing(HWND view) const
{
    auto* widget = WidgetAs<ViewWidget>(m_windows.Find(view));
    return widget != nullptr ? &widget->Paint().drawing : nullptr;
}

BOOL QtPlatform::InvalidateRect(HWND window, const RECT* /*rect*/, BOOL /*erase*/)
{
    // A view is drawn whole every time, so a piece of it costs what all of it does; the
    // background is always cleared, since a record says nothing about what lay underneath.
    std::vector<Window*> targets;
    if (window == nullptr) {
        targets = m_windows.All();
    } else if (Window* record = m_windows.Find(window); record != nullptr) {
        targets.push_back(record);
    } else {
        return FALSE;
    }
    for (Window* record : targets) {
        if (auto* view = WidgetAs<ViewWidget>(record); view != nullptr) {
            MarkForPainting(*view);
        } else if (QWidget* widget = record->widget; widget != nullptr) {
            widget->update();
        }
    }
    return TRUE;
}

void QtPlatform::MarkForPainting(ViewWidget& view)
{
    view.Paint().needsPaint = true;
    PostPaintDelivery(view);
}

void QtPlatform::PostPaintDelivery(ViewWidget& view)
{
    ViewPaint& paint = view.Paint();
    if (paint.deliveryPosted || !view.isVisible()) {
        return;
    }
    paint.deliveryPosted = true;
    QCoreApplication::postEvent(&view, new QEvent(ViewWidget::DeliverPaintEvent()),
                                Qt::LowEventPriority);
}

void QtPlatform::DeliverPaint(ViewWidget& view)
{
    if (!view.Record().IsLive()) {
        return;
    }
    view.Paint().deliveryPosted = false;
    PaintNow(view);
}

void QtPlatform::PaintNow(ViewWidget& view)
{
    ViewPaint& paint = view.Paint();
    if (!paint.needsPaint || m_paintDepth > 0 || !view.isVisible()) {
        return;
    }
    paint.needsPaint = false;
    view.Record().wnd->SendMessage(WM_PAINT);
}

void QtPlatform::EndPaint(HWND window, const CDC& dc)
{
    auto* view = WidgetAs<ViewWidget>(m_windows.Find(window));
    if (view == nullptr) {
        return;
    }
    view->ShowDrawing(dc.GetTextItems());
}

void QtPlatform::PaintView(ViewWidget& view, const QPaintEvent& event)
{
    const PaintScope scope(m_paintDepth);
    QPainter painter(&view);
    painter.fillRect(event.rect(), Qt::white);
    if (!view.Record().IsLive()) {
        return;
    }
    ViewPaint& paint = view.Paint();
    ReplayDrawing(painter, paint.drawing);
    if (!std::exchange(paint.freshDrawing, false)) {
        paint.needsPaint = true; // the window system's paint event: draw afresh
    }
    if (paint.needsPaint) {
        PostPaintDelivery(view);
    }
}

BOOL QtPlatform::UpdateWindow(HWND window)
{
    const Window* top = m_windows.Find(window);
    if (top == nullptr) {
        return FALSE;
    }
    if (m_paintDepth > 0) {
        return TRUE; // the posted deliveries will paint it
    }
    std::vector<HWND> due;
    for (Window* record : m_windows.Subtree(*top)) {
        if (auto* view = WidgetAs<ViewWidget>(record);
            view != nullptr && view->Paint().needsPaint) {
            due.push_back(record);
        }
    }
    // Each paint may run a box whose loop destroys windows: find each one again.
    for (HWND handle : due) {
        if (auto* view = WidgetAs<ViewWidget>(m_windows.Find(handle)); view != nullptr) {
            PaintNow(*view);
        }
    }
    if (QWidget* widget = ShownWidget(m_windows.Find(window)); widget != nullptr) {
        widget->repaint();
    }
    return TRUE;
}

} // namespace afx::qt
