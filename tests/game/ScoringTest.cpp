// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct ScoringCase {
    const char* name;
    std::array<int, NUM_COLOURS> colours; // R, G, B, Y, P, S, V
    int wilds;
    int bonuses;
    int score;

    friend void PrintTo(const ScoringCase& c, std::ostream* out) { *out << c.name; }
};

// The worked examples and the corner cases of the scoring rule, one scenario a row.
const ScoringCase kScoringCases[] = {
    {"wilds_top_up_largest_then_second", {4, 0, 2, 1, 0, 3, 5}, 2, 1, 40},
    {"wild_lost_when_top_three_reach_six", {7, 6, 6, 2, 1, 0, 0}, 1, 0, 59},
    {"three_fives_filled_to_six", {5, 5, 5, 0, 0, 0, 0}, 3, 2, 67},
    {"wilds_pile_on_one_count", {2, 2, 2, 2, 2, 2, 2}, 3, 0, 9},
    {"wilds_alone", {0, 0, 0, 0, 0, 0, 0}, 3, 0, 6},
    {"one_of_each_colour_is_negative", {1, 1, 1, 1, 1, 1, 1}, 0, 0, -1},
    {"empty_collection", {0, 0, 0, 0, 0, 0, 0}, 0, 0, 0},
    {"only_bonus_cards", {0, 0, 0, 0, 0, 0, 0}, 0, 10, 20},
    {"counts_past_six_score_as_six", {9, 8, 7, 0, 0, 0, 0}, 0, 0, 63},
    {"no_wild_above_six_fourth_lost", {5, 5, 5, 0, 0, 0, 0}, 4, 0, 63},
    {"wild_spills_to_third_largest", {6, 6, 1, 0, 0, 0, 0}, 2, 0, 48},
    {"four_smallest_all_count_against", {3, 3, 3, 3, 6, 6, 6}, 0, 0, 39},
    {"ties_among_smallest_and_largest", {2, 4, 4, 2, 4, 1, 2}, 0, 0, 20},
};

class PlayerScoreTable : public testing::TestWithParam<ScoringCase> {};

PlayerState Collection(const ScoringCase& c)
{
    PlayerState player;
    player.colourCount = c.colours;
    player.wildCount = c.wilds;
    player.bonusCount = c.bonuses;
    return player;
}

TEST_P(PlayerScoreTable, ScoresTheCollection)
{
    const ScoringCase& c = GetParam();
    GameRules doc;
    doc.NewGame(3);
    doc.m_players[1] = Collection(c);
    EXPECT_EQ(doc.PlayerScore(1), c.score);
    EXPECT_EQ(doc.PlayerScore(0), 0) << "other players are not involved";
}

TEST_P(PlayerScoreTable, DoesNotDependOnWhichColourHoldsWhichCount)
{
    const ScoringCase& c = GetParam();
    GameRules doc;
    doc.NewGame(2);
    PlayerState player = Collection(c);
    std::sort(player.colourCount.begin(), player.colourCount.end());
    do {
        doc.m_players[0] = player;
        ASSERT_EQ(doc.PlayerScore(0), c.score);
    } while (std::next_permutation(player.colourCount.begin(), player.colourCount.end()));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, PlayerScoreTable, testing::ValuesIn(kScoringCases),
                         [](const testing::TestParamInfo<ScoringCase>& scenario) {
                             return std::string(scenario.param.name);
                         });

TEST(PlayerScore, SeatsWithoutAPlayerScoreNothing)
{
    GameRules doc;
    doc.NewGame(2);
    doc.m_players[0].bonusCount = 3;
    doc.m_players[1].bonusCount = 4;
    EXPECT_EQ(doc.PlayerScore(-1), 0);
    EXPECT_EQ(doc.PlayerScore(2), 0);
    EXPECT_EQ(doc.PlayerScore(1), 8);
}

} // namespace
