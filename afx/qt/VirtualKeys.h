// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's virtual keys as Qt names them, both ways.
#pragma once

#include "afx/WinTypes.h"

namespace afx::qt {

// Qt's key code for `virtualKey`: letters, digits, F1 to F24, and the keys an accelerator table
// may name besides (arrows, Tab, Esc, ...); 0 for a key Qt has no name for here.
int QtKeyOf(WORD virtualKey);

// The virtual key of Qt's key code `qtKey`, the digits of the keypad (`onKeypad`) as
// VK_NUMPAD0 to VK_NUMPAD9; 0 for a key that has no virtual key here.
WORD VirtualKeyOf(int qtKey, bool onKeypad);

} // namespace afx::qt
