// SPDX-License-Identifier: GPL-3.0-or-later
// Positions where the right step is plain to a player who knows the game, and the levels that
// must find it.
#include "ai/ComputerPlayer.h"
#include "tests/support/GameFixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Position {
    std::string name;
    int players;
    std::function<void(GameRules&)> lay; // collections, rows and who is out of the round
    CardCode drawn;                      // the drawn card, or CARD_EMPTY while choosing
    Step right;
    std::vector<Level> levels; // the levels that must find it

    friend void PrintTo(const Position& position, std::ostream* out) { *out << position.name; }
};

void Collect(GameRules& rules, int seat, std::array<std::int32_t, NUM_COLOURS> colours,
             int wild = 0, int bonus = 0)
{
    PlayerState& player = rules.m_players.at(static_cast<std::size_t>(seat));
    player.colourCount = colours;
    player.wildCount = wild;
    player.bonusCount = bonus;
}

// Orders the deck to agree with the table: every card on show counts as dealt, the rest lie
// undealt, with the drawn card on top.
void DealTheRest(GameRules& rules, CardCode drawn)
{
    CardTally left = FullDeckTally();
    const CardTally inPlay = TallyGame(rules); // with the deck still full: shown cards twice
    CardTally shown{};
    for (std::size_t code = 0; code < left.size(); ++code) {
        shown[code] = inPlay[code] - left[code];
        left[code] -= shown[code];
    }
    std::size_t position = 0;
    for (std::size_t code = 0; code < shown.size(); ++code) {
        for (int copy = 0; copy < shown[code]; ++copy) {
            rules.m_deck[position++] = static_cast<CardCode>(code);
        }
    }
    rules.m_deckTop = rules.m_deck.data() + position;
    if (drawn != CARD_EMPTY) {
        rules.m_deck[position++] = drawn;
        --left.at(static_cast<std::size_t>(drawn));
        rules.m_turnPhase = PHASE_PLACE;
    }
    for (std::size_t code = 0; code < left.size(); ++code) {
        for (int copy = 0; copy < left[code]; ++copy) {
            rules.m_deck[position++] = static_cast<CardCode>(code);
        }
    }
}

constexpr CardCode R = 0, G = 1, B = 2, Y = 3, P = 4, S = 5, V = 6;

const std::vector<Position>& Positions()
{
    static const std::vector<Position> positions{
        {"takes the row that completes a strong colour",
         2,
         [](GameRules& rules) {
             Collect(rules, 0, {5, 6, 6, 3, 2, 1, 1}, 1, 4);
             Collect(rules, 1, {1, 2, 2, 5, 6, 6, 3}, 1, 4);
             LayRow(rules, 0, {R, CARD_BONUS});
             LayRow(rules, 1, {V});
         },
         CARD_EMPTY,
         {StepKind::Take, 0},
         {Level::Easy, Level::Normal, Level::Hard}},
        {"takes a full row of +2 cards before anyone else can",
         3,
         [](GameRules& rules) {
             Collect(rules, 0, {3, 3, 2, 0, 0, 0, 0});
             Collect(rules, 1, {0, 0, 3, 3, 2, 0, 0});
             Collect(rules, 2, {0, 0, 0, 0, 3, 3, 2});
             LayRow(rules, 0, {Y, S});
             LayRow(rules, 1, {CARD_BONUS, CARD_BONUS, CARD_BONUS});
             LayRow(rules, 2, {V});
         },
         CARD_EMPTY,
         {StepKind::Take, 1},
         {Level::Easy, Level::Normal, Level::Hard}},
        // The last round, one point behind: yellow on the "+2" hands the next player the row
        // and the game; on the player's own reds it spoils that row for him, and the player
        // wins whichever row he leaves.
        {"keeps the next player's colour off the row he wants",
         2,
         [](GameRules& rules) {
             Collect(rules, 0, {4, 8, 8, 1, 2, 2, 3}, 1, 3);
             Collect(rules, 1, {3, 1, 1, 5, 7, 7, 4}, 0, 6);
             LayRow(rules, 0, {CARD_BONUS});
             LayRow(rules, 1, {R, R});
         },
         Y,
         {StepKind::Place, 1},
         {Level::Normal, Level::Hard}},
    };
    return positions;
}

class ClearPosition : public testing::TestWithParam<Position> {};

TEST_P(ClearPosition, IsPlayedRightByEveryLevelThatShouldSeeIt)
{
    const Position& position = GetParam();
    GameRules rules;
    rules.NewGame(position.players);
    position.lay(rules);
    DealTheRest(rules, position.drawn);
    ASSERT_EQ(TallyGame(rules), FullDeckTally()) << "the position is laid wrong";
    const Observation table = Observe(rules);

    for (const Level level : position.levels) {
        // The easy level slips now and then on purpose: it must be right most of the time.
        const int seeds = level == Level::Easy ? 40 : 3;
        int right = 0;
        for (int seed = 0; seed < seeds; ++seed) {
            const Step step = ChooseStep(level, table, static_cast<std::uint64_t>(seed));
            right += step == position.right ? 1 : 0;
        }
        const int needed = level == Level::Easy ? seeds * 2 / 3 : seeds;
        EXPECT_GE(right, needed) << LevelName(level) << " should " << Describe(position.right);
    }
}

INSTANTIATE_TEST_SUITE_P(, ClearPosition, testing::ValuesIn(Positions()),
                         [](const testing::TestParamInfo<Position>& param) {
                             std::string name;
                             for (const char letter : param.param.name) {
                                 name += std::isalnum(static_cast<unsigned char>(letter)) != 0
                                             ? letter
                                             : '_';
                             }
                             return name;
                         });

} // namespace
