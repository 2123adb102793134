// SPDX-License-Identifier: GPL-3.0-or-later
// What a computer is shown: the cards still to come counted right, and never their order.
#include "ai/ComputerPlayer.h"
#include "tests/ai/AiFixtures.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/RandomPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

TEST(Observation, CountsTheUndealtCardsBehindTheDrawnOne)
{
    for (const GameRules& rules : RandomTables(300, 100)) {
        const Observation table = Observe(rules);
        const bool placing = rules.m_turnPhase == PHASE_PLACE;
        const CardCode* hiddenFrom = rules.m_deckTop + (placing ? 1 : 0);
        const CardTally hidden = TallyCards(hiddenFrom, rules.m_deck.data() + DECK_SIZE);
        EXPECT_TRUE(std::equal(hidden.begin(), hidden.end(), table.unseen.begin())) << Label(rules);
        EXPECT_EQ(table.drawnCard, placing ? *rules.m_deckTop : CARD_EMPTY) << Label(rules);
        EXPECT_EQ(table.undealt, rules.UndealtCount());
    }
}

// However the cards behind the drawn one lie, every level takes the same step: a computer
// player sees no more of the deck than a person does.
TEST(Observation, NoLevelSeesTheOrderOfTheUndealtCards)
{
    std::mt19937 shuffler(3);
    for (const GameRules& rules : RandomTables(120, 200)) {
        GameRules shuffled = rules;
        const auto hiddenFrom = shuffled.m_deckTop - shuffled.m_deck.data() +
                                (rules.m_turnPhase == PHASE_PLACE ? 1 : 0);
        std::shuffle(shuffled.m_deck.begin() + hiddenFrom, shuffled.m_deck.end(), shuffler);
        for (const Level level : {Level::Random, Level::Easy, Level::Normal, Level::Hard}) {
            const std::uint64_t seed = 77;
            EXPECT_EQ(ChooseStep(level, Observe(rules), seed, QUICK_SEARCH),
                      ChooseStep(level, Observe(shuffled), seed, QUICK_SEARCH))
                << LevelName(level) << ", " << Label(rules);
        }
    }
}

} // namespace
