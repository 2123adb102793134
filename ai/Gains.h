// SPDX-License-Identifier: GPL-3.0-or-later
// What a row is worth to a player: how much the row would change his or her final score if
// taken now. The heuristics of every level are built on it.
#pragma once

#include "ai/SimGame.h"

#include <array>

class Gains {
public:
    // Scores every seat's collection once, so that each gain below costs a single scoring.
    explicit Gains(const SimGame& game);

    // The change in `seat`'s score from taking `row` as it lies.
    int OfRow(int seat, int row) const;
    // The change in `seat`'s score from taking `row` with `card` added to it.
    int OfRowWith(int seat, int row, int card) const;

private:
    const SimGame& m_game;
    std::array<int, MAX_PLAYERS> m_score{};
};

// The best gain that any seat in `seats` (a bit each) could take from the rows a take may
// reach, counting `row` as if it held `card` as well (no row when `row` is -1) and leaving
// out the row `skip` (none when -1). 0 when there is no such seat or row.
int BestGainFor(const SimGame& game, const Gains& gains, unsigned seats, int row, int card,
                int skip);

// The seats other than the current one that have not taken a row this round, a bit each.
unsigned OthersInRound(const SimGame& game);
