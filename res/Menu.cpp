// SPDX-License-Identifier: GPL-3.0-or-later
// Menu 128 (IDR_MAINFRAME), the main frame's menu bar: File and Help.
#include "afx/AfxRes.h"
#include "res/Resource.h"
#include "res/ResourceTables.h"

namespace {

constexpr afx::MenuItemResource FILE_ITEMS[] = {
    {L"&New\tCtrl+N", ID_FILE_NEW},
    {nullptr, 0}, // separator
    {L"E&xit", ID_APP_EXIT},
};

constexpr afx::MenuItemResource HELP_ITEMS[] = {
    {L"&About Zintra_win...", ID_APP_ABOUT},
    {L"Rules", ID_HELP_RULES}, // no mnemonic, and no prompt in the string table
};

constexpr afx::PopupMenuResource MAINFRAME_POPUPS[] = {
    {L"&File", FILE_ITEMS},
    {L"&Help", HELP_ITEMS},
};

constexpr afx::MenuResource MENU_TABLE[] = {
    {IDR_MAINFRAME, MAINFRAME_POPUPS},
};

} // namespace

namespace res::detail {

constinit const std::span<const afx::MenuResource> MENUS{MENU_TABLE};

} // namespace res::detail
