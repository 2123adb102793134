// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players score collections by their own quick count; it must agree with the
// game's scoring on every collection a game can produce.
#include "ai/Collection.h"

#include "game/GameRules.h"
#include "tests/support/RandomPlayer.h"

#include <gtest/gtest.h>

namespace {

TEST(Collection, ScoresEveryCollectionAsTheGameDoes)
{
    GameRules rules;
    rules.NewGame(2);
    RandomPlayer dice(11);
    for (int trial = 0; trial < 20000; ++trial) {
        PlayerState player;
        // Mostly collections that a game can hold, and now and then a heavy one, so that
        // the limit of six and the lost wild cards are reached often.
        const int most = trial % 4 == 0 ? CARDS_PER_COLOUR + 1 : 7;
        for (std::int32_t& count : player.colourCount) {
            count = dice.Below(most);
        }
        player.wildCount = dice.Below(NUM_WILD_CARDS + 1);
        player.bonusCount = dice.Below(NUM_BONUS_CARDS + 1);
        rules.m_players[0] = player;
        ASSERT_EQ(ScoreCollection(CollectionOf(player)), rules.PlayerScore(0)) << "trial " << trial;
    }
}

} // namespace
