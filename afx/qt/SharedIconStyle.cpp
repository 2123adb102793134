// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/SharedIconStyle.h"

#include <QApplication>
#include <QWidget>

namespace afx::qt {

void SharedIconStyle::Install()
{
    if (dynamic_cast<SharedIconStyle*>(QApplication::style()) == nullptr) {
        // The application owns the style it is given and deletes it as it ends; the proxy
        // becomes the old style's parent, so the application does not delete that one twice.
        // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
        QApplication::setStyle(new SharedIconStyle(QApplication::style()));
    }
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

SharedIconStyle::SharedIconStyle(QStyle* base)
    : QProxyStyle(base)
{}

QIcon SharedIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                    const QWidget* widget) const
{
    // An option may ask for a particular look: that icon is made afresh.
    if (option != nullptr) {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    // Arrows point the way the text runs.
    const Qt::LayoutDirection direction =
        widget != nullptr ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    const auto key = std::make_pair(standardIcon, direction);
    if (const auto kept = m_icons.find(key); kept != m_icons.end()) {
        return kept->second;
    }
    QIcon icon = QProxyStyle::standardIcon(standardIcon, nullptr, widget);
    m_icons.emplace(key, icon);
    return icon;
}

} // namespace afx::qt
