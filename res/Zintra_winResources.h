// SPDX-License-Identifier: GPL-3.0-or-later
// The program's resources as one bundle for the framework: its strings (the rules text among
// them), its menu and accelerators, its dialog templates, its icon and its version information.
#pragma once

#include "afx/Resources.h"

namespace res {

// The program's bundle, for afx::SetResources (AfxWinMain installs it). Every table it refers
// to is constant data, constant-initialised, so it may be asked for at any time, even during
// static initialisation; it is the same object on every call.
const afx::ResourceBundle& Bundle();

} // namespace res
