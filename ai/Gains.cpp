// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/Gains.h"

#include <algorithm>
#include <climits>

Gains::Gains(const SimGame& game)
    : m_game(game)
{
    for (int seat = 0; seat < game.players; ++seat) {
        m_score[static_cast<std::size_t>(seat)] =
            ScoreCollection(game.collections[static_cast<std::size_t>(seat)]);
    }
}

int Gains::OfRow(int seat, int row) const
{
    return OfRowWith(seat, row, -1);
}

int Gains::OfRowWith(int seat, int row, int card) const
{
    Collection collection = m_game.collections[static_cast<std::size_t>(seat)];
    const auto r = static_cast<std::size_t>(row);
    for (std::uint8_t slot = 0; slot < m_game.rowLength[r]; ++slot) {
        ++collection[static_cast<std::size_t>(m_game.rowCards[r][slot])];
    }
    if (card >= 0) {
        ++collection[static_cast<std::size_t>(card)];
    }
    return ScoreCollection(collection) - m_score[static_cast<std::size_t>(seat)];
}

int BestGainFor(const SimGame& game, const Gains& gains, unsigned seats, int row, int card,
                int skip)
{
    int best = INT_MIN;
    for (int seat = 0; seat < game.players; ++seat) {
        if ((seats >> seat & 1U) == 0) {
            continue;
        }
        for (int other = 0; other < game.players; ++other) {
            if (other == skip || game.RowTaken(other)) {
                continue;
            }
            if (other == row) {
                best = std::max(best, gains.OfRowWith(seat, other, card));
            } else if (game.rowLength[static_cast<std::size_t>(other)] > 0) {
                best = std::max(best, gains.OfRow(seat, other));
            }
        }
    }
    return best == INT_MIN ? 0 : best;
}

unsigned OthersInRound(const SimGame& game)
{
    unsigned seats = 0;
    for (int seat = 0; seat < game.players; ++seat) {
        if (seat != game.current && !game.SeatTook(seat)) {
            seats |= 1U << seat;
        }
    }
    return seats;
}
