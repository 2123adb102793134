// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style, unchanged but for its standard icons (the buttons' OK, the boxes'
// information sign, the file prompt's folders), of which it keeps one of each.
//
// Qt's styles load a new icon for every call, and Qt caches every pixmap it draws of an icon
// under a key of that icon's own: each box shown left its icons' pixmaps in Qt's pixmap cache,
// which only lets go of them at 10 MB. One icon for each keeps that cache to one entry each.
#pragma once

#include <QIcon>
#include <QProxyStyle>
#include <map>
#include <utility>

namespace afx::qt {

class SharedIconStyle : public QProxyStyle {
public:
    // Puts one in front of the application's style, unless one is there already.
    static void Install();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override;

private:
    // Takes `base` over from the application.
    explicit SharedIconStyle(QStyle* base);

    mutable std::map<std::pair<StandardPixmap, Qt::LayoutDirection>, QIcon> m_icons;
};

} // namespace afx::qt
