// SPDX-License-Identifier: GPL-3.0-or-later
// A message box that fits on its screen. One that would be taller than the screen shows its
// text in an area that scrolls, with its buttons in view; any other is Qt's box as it stands.
#pragma once

#include <QMessageBox>

class QScrollArea;

namespace afx::qt {

class FittingMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    // Qt sizes the box for its whole text as it shows it; only then is it known whether it
    // fits.
    void showEvent(QShowEvent* event) override;

private:
    // Gives the text the height that leaves the box `height` pixels tall, and a scroll bar.
    void ScrollText(int height);

    QScrollArea* m_textArea = nullptr; // once the text scrolls
};

} // namespace afx::qt
