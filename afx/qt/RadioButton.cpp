// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/RadioButton.h"

#include <QButtonGroup>
#include <QKeyEvent>

namespace afx::qt {

RadioButton::RadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent)
{}

bool RadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void RadioButton::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    default:
        break;
    }
    const QButtonGroup* buttons = group();
    if (step == 0 || buttons == nullptr) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // The arrows go round the group in template order, checking each button they reach.
    const QList<QAbstractButton*> members = buttons->buttons();
    const qsizetype count = members.size();
    const qsizetype self = members.indexOf(this);
    for (qsizetype distance = 1; distance < count; ++distance) {
        QAbstractButton* next = members[(self + step * distance + count) % count];
        if (next->isEnabled() && next->isVisible()) {
            next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            next->click();
            return;
        }
    }
}

} // namespace afx::qt
