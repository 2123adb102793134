// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's central widget: it holds the view, which fills it, and scrolls the view once the
// screen turns out too small for what the view asks for.
#pragma once

#include <QScrollArea>

namespace afx::qt {

class ViewScrollArea : public QScrollArea {
public:
    // Holds `view`. Until KeepViewWhole, the view takes whatever size the area has and no
    // scroll bar ever shows, as if the view stood in the frame by itself.
    ViewScrollArea(QWidget* view, QWidget* parent);

    // From now on the view is never smaller than the size it asks for; where the area is
    // smaller, it scrolls.
    void KeepViewWhole();

    // What the view asks for, however large: Qt's scroll areas ask for far less.
    QSize sizeHint() const override;
    // No least size: like the view, the area may be made as small as the user likes.
    QSize minimumSizeHint() const override { return {}; }
};

} // namespace afx::qt
