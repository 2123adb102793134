// SPDX-License-Identifier: GPL-3.0-or-later
// A view on screen: shows the record of its last paint, reports left-button releases and the
// keys pressed while it has the focus, and tells assistive technology what it shows.
#pragma once

#include "afx/CDC.h"
#include "afx/qt/WindowRecord.h"

#include <QEvent>
#include <QWidget>
#include <vector>

namespace afx::qt {

class QtPlatform;
class ViewAccessible;

// What a view shows and where its next paint stands. The backend's painting keeps it
// (QtPlatformPainting.cpp says how).
struct ViewPaint {
    std::vector<CDC::TextItem> drawing; // the record shown
    bool needsPaint = true;             // WM_PAINT is due; a new view has never painted
    bool deliveryPosted = false;        // an event that delivers WM_PAINT is on its way
    bool freshDrawing = false;          // the next paint event shows a record just handed over
};

class ViewWidget : public QWidget {
    // Its own class name is how Qt's accessibility finds the view's interface (ViewAccessible).
    Q_OBJECT

public:
    // The view of the object `view`, inside the frame `frame` whose widget is `parent`.
    ViewWidget(QtPlatform& platform, CWnd& view, Window& frame, QWidget* parent);

    Window& Record() { return m_window; }
    ViewPaint& Paint() { return m_paint; }
    const ViewPaint& Paint() const { return m_paint; }

    // Shows `drawing`, the record of a paint just ended, until the next one; assistive
    // technology that looks at the view hears what it changed.
    void ShowDrawing(std::vector<CDC::TextItem> drawing);
    // The view's interface for assistive technology, once Qt has made one because something
    // asked (a screen reader); Qt deletes it with the widget.
    void SetAccessible(ViewAccessible* accessible) { m_accessible = accessible; }

    QSize sizeHint() const override;

    // The event type of a posted WM_PAINT delivery.
    static QEvent::Type DeliverPaintEvent();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QtPlatform& m_platform;
    Window m_window;
    ViewPaint m_paint;
    ViewAccessible* m_accessible = nullptr; // none until asked for: no screen reader, no cost
};

} // namespace afx::qt
