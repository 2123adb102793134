// SPDX-License-Identifier: GPL-3.0-or-later
// How the board names each card: the colours by their initials, "W" for the wild card and
// "+2" for the bonus card.
#pragma once

#include "afx/CString.h"
#include "game/GameTypes.h"

#include <array>

// The label of each CardCode from 0 to 8. Built when the program starts, before any window
// exists, and released when it ends.
extern const std::array<CString, CARD_BONUS + 1> g_cardLabels;
