// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/StatusBarWidget.h"

#include "afx/qt/QtText.h"

#include <QFontMetrics>
#include <QLabel>

namespace afx::qt {

StatusBarWidget::StatusBarWidget(CWnd& bar, Window& frame, QWidget* parent)
    : QStatusBar(parent)
    , m_window(bar, &frame, *this)
{}

void StatusBarWidget::SetPanes(std::span<const CString> sizingTexts)
{
    for (const QPointer<QLabel>& pane : m_panes) {
        if (pane != nullptr) {
            removeWidget(pane);
            delete pane.data();
        }
    }
    m_panes.clear();
    for (size_t index = 0; index < sizingTexts.size(); ++index) {
        auto* pane = new QLabel(this);
        pane->setTextFormat(Qt::PlainText);
        if (index == 0) {
            // The message pane takes the width the others leave, however long its text: a long
            // prompt must not widen the window.
            pane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            addWidget(pane, 1);
        } else {
            pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pane->setAlignment(Qt::AlignCenter);
            const QFontMetrics metrics = pane->fontMetrics();
            pane->setFixedWidth(metrics.horizontalAdvance(ToQString(sizingTexts[index])) +
                                metrics.averageCharWidth() + 2 * pane->frameWidth());
            addWidget(pane);
        }
        m_panes.emplace_back(pane);
    }
}

void StatusBarWidget::SetPaneText(int pane, const CString& text)
{
    if (pane < 0 || static_cast<size_t>(pane) >= m_panes.size()) {
        return;
    }
    if (QLabel* label = m_panes[static_cast<size_t>(pane)]; label != nullptr) {
        label->setText(ToQString(text));
    }
}

} // namespace afx::qt
