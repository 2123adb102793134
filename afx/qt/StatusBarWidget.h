// SPDX-License-Identifier: GPL-3.0-or-later
// A status bar on screen: a row of panes, the first a message that takes the width the others
// leave, the others as wide as their sizing texts.
#pragma once

#include "afx/qt/WindowRecord.h"

#include <QPointer>
#include <QStatusBar>
#include <span>
#include <vector>

class CString;
class QLabel;

namespace afx::qt {

class StatusBarWidget : public QStatusBar {
public:
    // The status bar of the object `bar`, inside the frame `frame` whose widget is `parent`.
    StatusBarWidget(CWnd& bar, Window& frame, QWidget* parent);

    Window& Record() { return m_window; }

    // Replaces the panes with one per sizing text; the first pane's text is not used.
    void SetPanes(std::span<const CString> sizingTexts);
    // Shows `text` in the pane at `pane`; an index with no pane is passed over.
    void SetPaneText(int pane, const CString& text);

private:
    Window m_window;
    std::vector<QPointer<QLabel>> m_panes;
};

} // namespace afx::qt
