// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's virtual keys as Qt names them.
#pragma once

#include "afx/WinTypes.h"

namespace afx::qt {

// Qt's key code for `virtualKey`: letters, digits, F1 to F24, and the keys an accelerator table
// may name besides (arrows, Tab, Esc, ...); 0 for a key Qt has no name for here.
int QtKeyOf(WORD virtualKey);

} // namespace afx::qt
