// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/ViewAccessible.h"

#include "afx/qt/DrawingReplay.h"
#include "afx/qt/QtText.h"
#include "afx/qt/ViewWidget.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace afx::qt {

// One line of a view's drawing: static text, named by what it reads, where it was drawn. It
// has no object of its own; its view's interface makes it, registers it with Qt and deletes it.
class LineAccessible : public QAccessibleInterface {
public:
    LineAccessible(ViewAccessible& view, CDC::TextItem item)
        : m_view(view)
        , m_item(std::move(item))
    {}

    const CDC::TextItem& Item() const { return m_item; }
    void Rename(const CString& text) { m_item.text = text; }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view.window(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &m_view; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? ToQString(m_item.text) : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override { return m_view.ScreenRect(m_item); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = m_view.state().invisible;
        return state;
    }

private:
    ViewAccessible& m_view;
    CDC::TextItem m_item;
};

namespace {

QAccessibleInterface* InterfaceForView(const QString& /*className*/, QObject* object)
{
    auto* view = qobject_cast<ViewWidget*>(object);
    return view != nullptr ? new ViewAccessible(*view) : nullptr;
}

// Tells the accessibility bus about `event`'s line.
void Notify(LineAccessible* line, QAccessible::Event kind)
{
    QAccessibleEvent event(line, kind);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallViewAccessibility()
{
    QAccessible::installFactory(&InterfaceForView);
}

ViewAccessible::ViewAccessible(ViewWidget& view)
    : QAccessibleWidget(&view, QAccessible::Canvas)
{
    view.SetAccessible(this);
    // Whoever asks first has heard nothing yet: everything on show is news.
    QStringList texts;
    for (const CDC::TextItem& item : view.Paint().drawing) {
        auto* line = new LineAccessible(*this, item);
        QAccessible::registerAccessibleInterface(line);
        m_lines.push_back(line);
        texts << ToQString(item.text);
    }
    m_changes = texts.join(u'\n');
}

ViewAccessible::~ViewAccessible()
{
    // Qt deletes the interface as the widget goes, so the widget is not told.
    for (LineAccessible* line : m_lines) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(line));
    }
}

ViewWidget& ViewAccessible::View() const
{
    // The factory makes this interface for a ViewWidget and nothing else.
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-static-cast-downcast)
    return *static_cast<ViewWidget*>(widget());
}

QString ViewAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Description) {
        return m_changes;
    }
    return QAccessibleWidget::text(kind);
}

int ViewAccessible::childCount() const
{
    return static_cast<int>(m_lines.size());
}

QAccessibleInterface* ViewAccessible::child(int index) const
{
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    return m_lines[static_cast<size_t>(index)];
}

int ViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto found = std::find(m_lines.begin(), m_lines.end(), child);
    return found != m_lines.end() ? static_cast<int>(found - m_lines.begin()) : -1;
}

QAccessibleInterface* ViewAccessible::childAt(int x, int y) const
{
    // The last drawn is on top.
    const auto found = std::find_if(m_lines.rbegin(), m_lines.rend(), [x, y](const auto* line) {
        return line->rect().contains(x, y);
    });
    return found != m_lines.rend() ? *found : nullptr;
}

QRect ViewAccessible::ScreenRect(const CDC::TextItem& item) const
{
    const ViewWidget& view = View();
    const QRect inView = TextRect(item, QFontMetrics(ViewFont(), &view));
    return {view.mapToGlobal(inView.topLeft()), inView.size()};
}

void ViewAccessible::ShowDrawing(const std::vector<CDC::TextItem>& drawing)
{
    // The lines shown so far that nothing of the new drawing has claimed yet.
    std::vector<LineAccessible*> unclaimed = m_lines;
    std::vector<LineAccessible*> shown;
    std::vector<LineAccessible*> added;
    std::vector<LineAccessible*> renamed;
    QStringList changes;
    for (const CDC::TextItem& item : drawing) {
        const auto same = std::find_if(unclaimed.begin(), unclaimed.end(), [&item](auto* line) {
            return line != nullptr && line->Item().x == item.x && line->Item().y == item.y;
        });
        LineAccessible* line = nullptr;
        if (same == unclaimed.end()) {
            line = new LineAccessible(*this, item);
            QAccessible::registerAccessibleInterface(line);
            added.push_back(line);
            changes << ToQString(item.text);
        } else {
            line = std::exchange(*same, nullptr);
            if (line->Item().text != item.text) {
                line->Rename(item.text);
                renamed.push_back(line);
                changes << ToQString(item.text);
            }
        }
        shown.push_back(line);
    }
    m_lines = std::move(shown);

    for (LineAccessible* gone : unclaimed) {
        if (gone != nullptr) {
            Notify(gone, QAccessible::ObjectDestroyed);
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(gone));
        }
    }
    for (LineAccessible* line : added) {
        Notify(line, QAccessible::ObjectCreated);
    }
    for (LineAccessible* line : renamed) {
        Notify(line, QAccessible::NameChanged);
    }
    if (!changes.isEmpty()) {
        m_changes = changes.join(u'\n');
        QAccessibleEvent event(widget(), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace afx::qt
