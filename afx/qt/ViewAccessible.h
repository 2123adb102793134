// SPDX-License-Identifier: GPL-3.0-or-later
// How assistive technology (a screen reader, through the desktop's accessibility bus) sees a
// view, which is only text painted into a widget: one object whose children are the lines the
// view drew at its last paint, in drawing order, each named by its text and placed where it
// stands on screen. What a new drawing changes is announced.
#pragma once

#include "afx/CDC.h"

#include <QAccessibleWidget>
#include <QString>
#include <vector>

namespace afx::qt {

class ViewWidget;
class LineAccessible;

// Lets Qt find the interface below for every view; call once the QApplication stands (its end
// forgets the factories installed). Calling it again does nothing.
void InstallViewAccessibility();

// The view itself: a canvas named by the view's window text. It takes the keyboard, so it is
// what a screen reader follows; its description is what its last new drawing changed (the
// lines that are new or read differently), since a screen reader speaks a change of the
// focused object's description as it happens, and nothing that happens elsewhere.
class ViewAccessible : public QAccessibleWidget {
public:
    // Follows what `view` shows from now on, starting with what it shows now.
    explicit ViewAccessible(ViewWidget& view);
    // Takes the lines' interfaces with it.
    ~ViewAccessible() override;
    ViewAccessible(const ViewAccessible&) = delete;
    ViewAccessible& operator=(const ViewAccessible&) = delete;
    ViewAccessible(ViewAccessible&&) = delete;
    ViewAccessible& operator=(ViewAccessible&&) = delete;

    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The view shows `drawing` from now on. A line at the place of one shown before is the
    // same object, renamed if its text changed; the others appear and disappear. Tells the
    // accessibility bus (when it listens) about each, then about the description when
    // something changed.
    void ShowDrawing(const std::vector<CDC::TextItem>& drawing);

    // Where `item` stands on screen, as the view paints it.
    QRect ScreenRect(const CDC::TextItem& item) const;

private:
    ViewWidget& View() const;

    std::vector<LineAccessible*> m_lines; // in drawing order; each registered with Qt
    QString m_changes;                    // the texts of the last drawing's changed lines
};

} // namespace afx::qt
