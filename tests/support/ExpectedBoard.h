// SPDX-License-Identifier: GPL-3.0-or-later
// What the board should show for any state of a game, derived from the layout rather than
// from the view.
#pragma once

#include "afx/CDC.h"
#include "game/Zintra_winDoc.h"

#include <vector>

// Every text the board should draw for `doc`, in drawing order, the banner included.
std::vector<CDC::TextItem> ExpectedBoard(const CZintra_winDoc& doc);
