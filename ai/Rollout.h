// SPDX-License-Identifier: GPL-3.0-or-later
// How the search plays each imagined game to its end.
#pragma once

#include "ai/Rng.h"
#include "ai/SimGame.h"

// Plays `game` to its end with uniformly random legal steps for every seat. A rule-of-thumb
// player was tried here too: it plays far better, but costs four times as much a playout, and
// the search was weaker for the same thinking time than with more random playouts.
void PlayOut(SimGame& game, Rng& rng);
