// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/CardLabels.h"

// Short labels fit the string's own buffer, so building the table cannot fail.
// NOLINTNEXTLINE(cert-err58-cpp)
const std::array<CString, CARD_BONUS + 1> g_cardLabels = {
    CString("R"), CString("G"), CString("B"), CString("Y"),  CString("P"),
    CString("S"), CString("V"), CString("W"), CString("+2"),
};
