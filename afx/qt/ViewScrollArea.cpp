// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/ViewScrollArea.h"

namespace afx::qt {

ViewScrollArea::ViewScrollArea(QWidget* view, QWidget* parent)
    : QScrollArea(parent)
{
    // No frame and no focus of its own: on a screen that holds the board, nothing shows of the
    // area, and the keyboard stays with the view.
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setWidget(view);
    // The view paints every pixel of itself; Qt would have it cleared first.
    view->setAutoFillBackground(false);
}

void ViewScrollArea::KeepViewWhole()
{
    widget()->setMinimumSize(widget()->sizeHint());
}

QSize ViewScrollArea::sizeHint() const
{
    return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
}

} // namespace afx::qt
