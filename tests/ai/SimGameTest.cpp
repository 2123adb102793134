// SPDX-License-Identifier: GPL-3.0-or-later
// The compact game the computers think with must play exactly as the rules do: the same steps
// open, the same turns, rounds and end, the same scores.
#include "ai/SimGame.h"

#include "ai/Observation.h"
#include "ai/PlayStep.h"
#include "ai/Rng.h"
#include "game/GameRules.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/RandomPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The steps the rules allow, asked through their own operations.
std::vector<Step> RulesSteps(const GameRules& rules)
{
    std::vector<Step> steps;
    if (rules.m_turnPhase == PHASE_PLACE) {
        for (int row = 0; row < rules.m_numPlayers; ++row) {
            if (rules.CanMoveOnRow(row, MOVE_PLACE)) {
                steps.push_back({StepKind::Place, row});
            }
        }
        return steps;
    }
    if (rules.CanMove(MOVE_PLACE)) {
        steps.push_back({StepKind::Draw, -1});
    }
    for (int row = 0; row < rules.m_numPlayers; ++row) {
        if (rules.CanMoveOnRow(row, MOVE_TAKE)) {
            steps.push_back({StepKind::Take, row});
        }
    }
    return steps;
}

// What differs between the compact game and the rules' table; empty when they agree.
std::string Difference(const SimGame& game, const GameRules& rules)
{
    if (game.over != rules.m_gameOver) {
        return "game over";
    }
    if (game.current != rules.m_currentPlayer) {
        return "player to move";
    }
    if (game.placing != (rules.m_turnPhase == PHASE_PLACE)) {
        return "phase";
    }
    if (game.Undealt() != rules.UndealtCount()) {
        return "undealt cards";
    }
    for (int seat = 0; seat < rules.m_numPlayers; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        if (game.collections[s] != CollectionOf(rules.m_players[s])) {
            return "collection of seat " + std::to_string(seat);
        }
        if (game.SeatTook(seat) != rules.m_players[s].tookRow) {
            return "who took a row";
        }
        if (game.RowTaken(seat) != rules.m_rows[s].taken) {
            return "which rows are taken";
        }
        for (std::uint8_t slot = 0; slot < ROW_SLOTS; ++slot) {
            const CardCode card = slot < game.rowLength[s] ? game.rowCards[s][slot] : CARD_EMPTY;
            if (card != rules.m_rows[s].slots[slot]) {
                return "cards of row " + std::to_string(seat);
            }
        }
    }
    return {};
}

TEST(SimGame, PlaysWholeGamesStepForStepWithTheRules)
{
    RandomPlayer dice(5);
    for (unsigned deal = 0; deal < 400; ++deal) {
        const int players = MIN_PLAYERS + static_cast<int>(deal % 4);
        GameRules rules;
        {
            FixedSeed fixed(deal);
            rules.NewGame(players);
        }
        SimGame game = SimGame::FromObservation(Observe(rules));
        std::transform(rules.m_deck.begin(), rules.m_deck.end(), game.deck.begin(),
                       [](CardCode card) { return static_cast<std::int8_t>(card); });

        while (!rules.m_gameOver) {
            const std::vector<Step> allowed = RulesSteps(rules);
            const StepList open = game.Legal();
            ASSERT_EQ(std::vector<Step>(open.begin(), open.end()), allowed) << "deal " << deal;
            // The same table rebuilt from what a player sees gives the same steps too.
            const StepList seen = LegalSteps(Observe(rules));
            ASSERT_EQ(std::vector<Step>(seen.begin(), seen.end()), allowed) << "deal " << deal;

            const Step step =
                allowed[static_cast<std::size_t>(dice.Below(static_cast<int>(allowed.size())))];
            ASSERT_GE(PlayStep(rules, step), 0);
            game.Play(step);
            ASSERT_EQ(Difference(game, rules), "")
                << "deal " << deal << " after " << Describe(step);
        }
        const std::array<int, MAX_PLAYERS> scores = game.Scores();
        EXPECT_EQ(std::vector<int>(scores.begin(), scores.begin() + players), rules.AllScores());
    }
}

TEST(SimGame, DealsOnlyTheUnseenCardsBehindTheDrawnOne)
{
    for (unsigned deal = 0; deal < 50; ++deal) {
        GameRules rules;
        {
            FixedSeed fixed(deal);
            rules.NewGame(3);
        }
        RandomPlayer player(deal);
        for (int step = 0; step < 40 + static_cast<int>(deal) && !rules.m_gameOver; ++step) {
            player.Step(rules);
        }
        if (rules.m_gameOver) {
            continue;
        }
        rules.m_turnPhase = rules.CanMove(MOVE_PLACE) ? PHASE_PLACE : PHASE_CHOOSE;
        const Observation table = Observe(rules);
        SimGame game = SimGame::FromObservation(table);
        Rng rng(deal);
        game.Deal(rng);

        CardTally dealt{};
        for (int position = game.deckTop; position < DECK_SIZE; ++position) {
            ++dealt.at(static_cast<std::size_t>(game.deck[static_cast<std::size_t>(position)]));
        }
        EXPECT_EQ(dealt, TallyCards(rules.m_deckTop, rules.m_deck.data() + DECK_SIZE));
        if (table.phase == PHASE_PLACE) {
            EXPECT_EQ(game.TopCard(), *rules.m_deckTop);
        }
    }
}

} // namespace
