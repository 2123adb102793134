// SPDX-License-Identifier: GPL-3.0-or-later
// Icon 128 (IDR_MAINFRAME), the application icon of the main window and the About box: one
// picture, res/icons/zintra_win.svg, at six sizes. The paths are the backend's embedded files
// (res/icons/icons.qrc, prefix "/icons"), so the program needs no file beside it.
#include "res/Resource.h"
#include "res/ResourceTables.h"

namespace {

constexpr const char* MAINFRAME_ICON_FILES[] = {
    ":/icons/zintra_win-16.png", ":/icons/zintra_win-32.png",  ":/icons/zintra_win-48.png",
    ":/icons/zintra_win-64.png", ":/icons/zintra_win-128.png", ":/icons/zintra_win-256.png",
};

constexpr afx::IconResource ICON_TABLE[] = {
    {IDR_MAINFRAME, MAINFRAME_ICON_FILES},
};

} // namespace

namespace res::detail {

constinit const std::span<const afx::IconResource> ICONS{ICON_TABLE};

} // namespace res::detail
