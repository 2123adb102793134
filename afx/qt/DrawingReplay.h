// SPDX-License-Identifier: GPL-3.0-or-later
// How a view's recorded drawing looks on screen: the font it is shown in, and the replay that
// paints it. Views paint with it, and tests render what a view should look like with it.
#pragma once

#include "afx/CDC.h"

#include <QFont>
#include <QRect>
#include <vector>

class QFontMetrics;
class QPainter;

namespace afx::qt {

// The font of every view: the system's general font at 16 pixels, whatever the screen's
// resolution, since views place their text at fixed pixels.
QFont ViewFont();

// Where `item`'s text stands in its view, painted with `metrics` (the view font's, on the
// view): from its top-left corner, as wide as the text and as high as a line.
QRect TextRect(const CDC::TextItem& item, const QFontMetrics& metrics);

// Paints each item in black in the view's font, the top-left corner of its text at its (x, y).
void ReplayDrawing(QPainter& painter, const std::vector<CDC::TextItem>& items);

} // namespace afx::qt
