// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog's radio button that, as the platform's own do, answers to a click anywhere in its
// rectangle, and is checked as the arrow keys move to it within its group.
#pragma once

#include <QRadioButton>

namespace afx::qt {

class RadioButton : public QRadioButton {
public:
    RadioButton(const QString& text, QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace afx::qt
