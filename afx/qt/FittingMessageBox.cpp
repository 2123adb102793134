// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/FittingMessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <algorithm>

namespace afx::qt {

namespace {

// How much taller than its contents a window manager makes a window, as it does the box's
// owner; nothing where there is no owner on screen or no window manager.
int DecorationHeight(const QWidget* owner)
{
    if (owner == nullptr || !owner->window()->isVisible()) {
        return 0;
    }
    const QWidget* window = owner->window();
    return window->frameGeometry().height() - window->geometry().height();
}

} // namespace

void FittingMessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    const QScreen* shownOn = screen();
    if (event->spontaneous() || m_textArea != nullptr || shownOn == nullptr) {
        return;
    }
    const QRect available = shownOn->availableGeometry();
    const int allowed = available.height() - DecorationHeight(parentWidget());
    if (height() > allowed) {
        ScrollText(allowed);
        // Over its owner, as Qt placed it for its first size, and the screen's height tall.
        adjustPosition(parentWidget());
        move(x(), available.top());
    }
}

void FittingMessageBox::ScrollText(int height)
{
    // Qt's box keeps its text in a label of this name, in a grid; were that ever otherwise,
    // the box stays as Qt made it.
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (label == nullptr || grid == nullptr) {
        return;
    }
    // The text as the label shows it, wrapped at the same width, in an area that scrolls.
    auto* text = new QLabel(label->text());
    text->setTextFormat(label->textFormat());
    text->setTextInteractionFlags(label->textInteractionFlags());
    text->setAlignment(label->alignment());
    text->setContentsMargins(label->contentsMargins());
    text->setIndent(label->indent());
    text->setOpenExternalLinks(label->openExternalLinks());
    text->setWordWrap(true);
    m_textArea = new QScrollArea(this);
    m_textArea->setFrameShape(QFrame::NoFrame);
    m_textArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textArea->setWidgetResizable(true);
    m_textArea->setWidget(text);
    // The scroll area would paint the text's background; the box's shows through instead.
    text->setAutoFillBackground(false);

    // What surrounds the text (margins, the buttons) stays as it is; the text gives way.
    const int around = this->height() - label->height();
    const int barWidth = m_textArea->verticalScrollBar()->sizeHint().width();
    m_textArea->setFixedSize(label->width() + barWidth, std::max(height - around, 0));
    delete grid->replaceWidget(label, m_textArea); // the label's place in the grid, now empty
    label->hide();
    setFixedSize(width() + barWidth, height);
}

} // namespace afx::qt
