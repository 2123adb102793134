// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRules.h"
#include "tests/support/GameFixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ResultsCase {
    const char* name;
    std::vector<int> scores;
    int best;
    std::vector<int> winners;

    friend void PrintTo(const ResultsCase& c, std::ostream* out) { *out << c.name; }
};

class Results : public testing::TestWithParam<ResultsCase> {
protected:
    void SetUp() override
    {
        const ResultsCase& c = GetParam();
        doc.NewGame(static_cast<int>(c.scores.size()));
        ASSERT_EQ(doc.m_numPlayers, static_cast<int>(c.scores.size()));
        for (std::size_t seat = 0; seat < c.scores.size(); ++seat) {
            doc.m_players[seat] = CollectionWorth(c.scores[seat]);
            ASSERT_EQ(doc.PlayerScore(static_cast<int>(seat)), c.scores[seat]);
        }
    }

    GameRules doc;
};

const ResultsCase kResultsCases[] = {
    {"single_winner", {40, 59, 6}, 59, {2}},
    {"tie_of_two_in_the_middle", {12, 30, -3, 30}, 30, {2, 4}},
    {"tie_of_three_of_five", {20, 5, 20, 7, 20}, 20, {1, 3, 5}},
    {"everybody_at_zero", {0, 0}, 0, {1, 2}},
    {"all_negative", {-1, -4, -2}, -1, {1}},
    {"last_seat_wins", {1, 2, 3, 4, 5}, 5, {5}},
    {"tie_of_the_last_two", {-6, 9, 11, 11}, 11, {3, 4}},
};

TEST_P(Results, ScoresEveryPlayerInSeatOrder)
{
    EXPECT_EQ(doc.AllScores(), GetParam().scores);
}

TEST_P(Results, FindsTheBestScoreAndEveryoneWhoReachedIt)
{
    const int best = doc.MaxScore(doc.AllScores());
    EXPECT_EQ(best, GetParam().best);
    EXPECT_EQ(doc.PlayersWithScore(best), GetParam().winners);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, Results, testing::ValuesIn(kResultsCases),
                         [](const testing::TestParamInfo<ResultsCase>& scenario) {
                             return std::string(scenario.param.name);
                         });

TEST(MaxScore, LooksOnlyAtOneEntryPerPlayer)
{
    GameRules doc;
    doc.NewGame(3);
    EXPECT_EQ(doc.MaxScore({4, -2, 7, 99}), 7) << "entries past the players are ignored";
    EXPECT_EQ(doc.MaxScore({-5, -3}), -3) << "a short list is read only as far as it goes";
    EXPECT_EQ(doc.MaxScore({}), 0);
}

TEST(PlayersWithScore, NamesNobodyForAScoreNoOneHas)
{
    GameRules doc;
    doc.NewGame(4);
    EXPECT_EQ(doc.PlayersWithScore(0), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(doc.PlayersWithScore(1).empty());
}

} // namespace
