// SPDX-License-Identifier: GPL-3.0-or-later
// The results at the end of a game: every score, the best one and who reached it.
#include "game/GameRules.h"

#include <algorithm>

std::vector<int> GameRules::AllScores() const
{
    std::vector<int> scores;
    scores.reserve(static_cast<std::size_t>(std::max(m_numPlayers, 0)));
    for (int player = 0; player < m_numPlayers; ++player) {
        scores.push_back(PlayerScore(player));
    }
    return scores;
}

int GameRules::MaxScore(std::vector<int> scores) const
{
    const auto considered =
        std::min(scores.size(), static_cast<std::size_t>(std::max(m_numPlayers, 0)));
    if (considered == 0) {
        return 0;
    }
    return *std::max_element(scores.begin(),
                             scores.begin() + static_cast<std::ptrdiff_t>(considered));
}

std::vector<int> GameRules::PlayersWithScore(int score) const
{
    std::vector<int> playerNumbers;
    for (int player = 0; player < m_numPlayers; ++player) {
        if (PlayerScore(player) == score) {
            playerNumbers.push_back(player + 1);
        }
    }
    return playerNumbers;
}
