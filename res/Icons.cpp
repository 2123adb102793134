// SPDX-License-Identifier: GPL-3.0-or-later
// Icon 128 (IDR_MAINFRAME), the application icon of the main window and the About box: one
// picture, res/icons/zintra_win.svg, at every size res/icons/icons.qrc lists. The paths are the
// backend's embedded files, so the program needs no file beside it.
#include "res/IconFiles.h"
#include "res/Resource.h"
#include "res/ResourceTables.h"

namespace {

constexpr afx::IconResource ICON_TABLE[] = {
    {IDR_MAINFRAME, res::kApplicationIconFiles},
};

} // namespace

namespace res::detail {

constinit const std::span<const afx::IconResource> ICONS{ICON_TABLE};

} // namespace res::detail
