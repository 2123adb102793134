// SPDX-License-Identifier: GPL-3.0-or-later
// The hard level: a Monte Carlo tree search over the game's possible futures. Each iteration
// deals the unseen cards in a fresh random order (the player never learns the real one), walks
// down the tree choosing steps by their upper confidence bound, adds one new position, plays
// the game out quickly to its end and credits every seat with its own result. The step tried
// most often at the top is the one chosen.
#pragma once

#include "ai/ComputerPlayer.h"
#include "ai/Rng.h"
#include "ai/SimGame.h"

struct SearchSettings {
    double exploration = 0.7; // the weight of the confidence bound against the mean result
    // A seat's result blends a win (1, shared among the tied winners) with its margin over the
    // best other seat, squashed into 0..1: the margin tells apart the many games that luck
    // decides.
    double marginShare = 0.3;
    double marginScale = 20.0; // points of margin that count as a clear lead
};

// The step chosen by the search for the seat to move at `table`.
Step SearchStep(const Observation& table, Rng& rng, const SearchBudget& budget,
                const SearchSettings& settings = {});
