// SPDX-License-Identifier: GPL-3.0-or-later
// Final scoring: a player's collection turned into one number.
#include "game/GameRules.h"

#include <algorithm>

namespace {

// Points for the cards of one colour: the triangular numbers up to six cards, then no more.
constexpr int WILD_LIMIT = 6;
constexpr std::array<int, WILD_LIMIT + 1> POINTS_FOR_COUNT{0, 1, 3, 6, 10, 15, 21};

constexpr int PointsFor(int count)
{
    return POINTS_FOR_COUNT[static_cast<std::size_t>(std::clamp(count, 0, WILD_LIMIT))];
}

constexpr int POSITIVE_COLOURS = 3; // the largest counts; the other four count against
constexpr int BONUS_POINTS = 2;     // per "+2" card

} // namespace

int GameRules::PlayerScore(int playerIndex) const
{
    if (playerIndex < 0 || playerIndex >= static_cast<int>(m_players.size())) {
        return 0;
    }
    const PlayerState& player = m_players[static_cast<std::size_t>(playerIndex)];

    // Only the sizes of the counts matter, not their colours.
    std::array<int, NUM_COLOURS> counts = player.colourCount;
    std::sort(counts.begin(), counts.end());

    // Each wild card tops up the largest count below the limit, trying the three largest from
    // the top; the list stays sorted because a count is raised only while those above it have
    // reached the limit. Wild cards beyond that are lost.
    auto* const firstPositive = counts.end() - POSITIVE_COLOURS;
    for (int wild = 0; wild < player.wildCount; ++wild) {
        auto* position = counts.end();
        while (position != firstPositive && *(position - 1) >= WILD_LIMIT) {
            --position;
        }
        if (position == firstPositive) {
            break;
        }
        ++*(position - 1);
    }

    int score = 0;
    for (const auto* count = counts.begin(); count != counts.end(); ++count) {
        score += count < firstPositive ? -PointsFor(*count) : PointsFor(*count);
    }
    if (player.bonusCount > 0) {
        score += BONUS_POINTS * player.bonusCount;
    }
    return score;
}
