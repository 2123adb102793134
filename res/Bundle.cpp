// SPDX-License-Identifier: GPL-3.0-or-later
// The bundle: the tables of every kind gathered for the framework.
#include "res/ResourceTables.h"
#include "res/Zintra_winResources.h"

namespace res {

const afx::ResourceBundle& Bundle()
{
    // The tables are constant-initialised, so this copy of their spans is complete whenever
    // it is first made.
    static const afx::ResourceBundle bundle{
        .strings = detail::STRING_TABLE,
        .menus = detail::MENUS,
        .acceleratorTables = detail::ACCELERATOR_TABLES,
        .dialogs = detail::DIALOGS,
        .icons = detail::ICONS,
        .versionInfo = &detail::VERSION_INFO,
    };
    return bundle;
}

} // namespace res
