// SPDX-License-Identifier: GPL-3.0-or-later
// Inside the resource library only: the tables that Bundle() gathers, each defined in the source
// file of its kind. All are constant-initialised (constinit), so they are in place before any
// code runs, whatever the order in which the files' static objects are initialised.
#pragma once

#include "afx/Resources.h"

#include <span>

namespace res::detail {

extern const std::span<const afx::StringResource> STRING_TABLE;                 // StringTable.cpp
extern const wchar_t RULES_TEXT[];                                              // RulesText.cpp
extern const std::span<const afx::MenuResource> MENUS;                          // Menu.cpp
extern const std::span<const afx::AcceleratorTableResource> ACCELERATOR_TABLES; // Accelerators.cpp
extern const std::span<const afx::DialogResource> DIALOGS;                      // Dialogs.cpp
extern const std::span<const afx::IconResource> ICONS;                          // Icons.cpp
extern const afx::VersionInfoResource VERSION_INFO;                             // VersionInfo.cpp

} // namespace res::detail
