// SPDX-License-Identifier: GPL-3.0-or-later
// The contract every level keeps: only steps the rules allow, and the same step for the same
// table and seed, so that a seeded game replays exactly.
#include "ai/ComputerPlayer.h"
#include "ai/PlayStep.h"
#include "tests/ai/AiFixtures.h"
#include "tests/support/GameFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class EveryLevel : public testing::TestWithParam<Level> {};

TEST_P(EveryLevel, OnlyProposesStepsTheRulesAllow)
{
    const Level level = GetParam();
    // The search is the slow one; it gets one seed a table.
    const std::uint64_t seeds = level == Level::Hard ? 1 : 3;
    for (const GameRules& rules : RandomTables(400, 300)) {
        const Observation table = Observe(rules);
        for (std::uint64_t seed = 0; seed < seeds; ++seed) {
            const Step step = ChooseStep(level, table, seed, QUICK_SEARCH);
            GameRules played = rules;
            ASSERT_GE(PlayStep(played, step), 0) << Describe(step) << " at " << Label(rules);
            const StepList legal = LegalSteps(table);
            EXPECT_NE(std::find(legal.begin(), legal.end(), step), legal.end());
        }
    }
}

TEST_P(EveryLevel, GivesTheSameStepForTheSameTableAndSeed)
{
    const Level level = GetParam();
    for (const GameRules& rules : RandomTables(60, 400)) {
        const Observation table = Observe(rules);
        const Observation copy = Observe(GameRules(rules));
        for (std::uint64_t seed = 0; seed < 3; ++seed) {
            EXPECT_EQ(ChooseStep(level, table, seed, QUICK_SEARCH),
                      ChooseStep(level, copy, seed, QUICK_SEARCH))
                << Label(rules);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(, EveryLevel,
                         testing::Values(Level::Random, Level::Easy, Level::Normal, Level::Hard),
                         [](const testing::TestParamInfo<Level>& param) {
                             return std::string(LevelName(param.param));
                         });

// Every step of a game between levels, seeded as the program seeds them.
std::vector<Step> PlayedSteps(const std::vector<Level>& seats, unsigned deal, std::uint64_t seed)
{
    GameRules rules;
    {
        FixedSeed fixed(deal);
        rules.NewGame(static_cast<int>(seats.size()));
    }
    std::vector<Step> steps;
    while (!rules.m_gameOver && steps.size() < 1000) {
        const Observation table = Observe(rules);
        const Level level = seats[static_cast<std::size_t>(table.currentPlayer)];
        steps.push_back(ChooseStep(level, table, StepSeed(seed, table), QUICK_SEARCH));
        if (PlayStep(rules, steps.back()) < 0) {
            break;
        }
    }
    return steps;
}

TEST(Levels, ASeededGameReplaysStepForStep)
{
    const std::vector<Level> seats{Level::Hard, Level::Easy, Level::Normal};
    const std::vector<Step> first = PlayedSteps(seats, 8, 1234);
    EXPECT_EQ(PlayedSteps(seats, 8, 1234), first);
    // The seed does steer the choices: another seed plays another game on the same deal.
    EXPECT_NE(PlayedSteps(seats, 8, 99), first);
}

TEST(Levels, AreNamedForTheCommandLine)
{
    for (const Level level : {Level::Random, Level::Easy, Level::Normal, Level::Hard}) {
        EXPECT_EQ(ParseLevel(LevelName(level)), level);
    }
    EXPECT_EQ(ParseLevel("Hard"), std::nullopt);
    EXPECT_EQ(ParseLevel(""), std::nullopt);
}

} // namespace
