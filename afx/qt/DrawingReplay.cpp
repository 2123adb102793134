// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/DrawingReplay.h"

#include "afx/qt/QtText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace afx::qt {

QFont ViewFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(16);
    return font;
}

QRect TextRect(const CDC::TextItem& item, const QFontMetrics& metrics)
{
    return {item.x, item.y, metrics.horizontalAdvance(ToQString(item.text)), metrics.height()};
}

void ReplayDrawing(QPainter& painter, const std::vector<CDC::TextItem>& items)
{
    const QFont font = ViewFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Qt places text by its baseline; the record holds the top of the text.
    const int ascent = QFontMetrics(font, painter.device()).ascent();
    for (const CDC::TextItem& item : items) {
        painter.drawText(QPoint(item.x, item.y + ascent), ToQString(item.text));
    }
}

} // namespace afx::qt
