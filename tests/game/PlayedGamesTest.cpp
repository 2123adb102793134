// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played through the public operations, legal and refused moves alike, with the
// game's invariants checked after every move.
#include "game/GameRules.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/GameInvariants.h"
#include "tests/support/RandomPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Picks a move at random, legal or not, as a stray click might, and carries it out if the
// rules refuse it (legal moves are left to the random player, which keeps the turn phase).
// False when such a refused move reported anything or changed the game.
bool StrayMoveIsHarmless(GameRules& doc, RandomPlayer& dice)
{
    const MoveKind kind = dice.Below(2) == 0 ? MOVE_PLACE : MOVE_TAKE;
    const int row = dice.Below(MAX_PLAYERS + 3) - 1; // -1 to 6
    if (doc.CanMoveOnRow(row, kind)) {
        return true;
    }
    const GameSnapshot before = Snapshot(doc);
    return doc.ApplyMove(kind, row) == 0 && Snapshot(doc) == before;
}

TEST(PlayedGames, ThousandsOfRandomGamesKeepEveryInvariant)
{
    GameRules doc;
    for (unsigned game = 0; game < 5000; ++game) {
        const int players = MIN_PLAYERS + static_cast<int>(game % 4);
        FixedSeed seed(game);
        doc.NewGame(players);
        RandomPlayer dice(game * 2654435761ULL + 1);
        bool lastRoundSeen = false;
        int steps = 0;
        while (!doc.m_gameOver) {
            ASSERT_LT(++steps, 1000) << "a game must end";
            ASSERT_TRUE(StrayMoveIsHarmless(doc, dice)) << "game " << game << ", step " << steps;
            const bool placing = doc.m_turnPhase == PHASE_PLACE;
            const int result = dice.Step(doc);
            ASSERT_GE(result, 0) << "the current player always has a move";
            ASSERT_TRUE(result == 0 || !placing) << "a placement never ends the game";
            ASSERT_EQ(BrokenInvariant(doc), "") << "game " << game << ", step " << steps;
            ASSERT_TRUE(!lastRoundSeen || doc.IsLastRound()) << "the last round stays the last";
            lastRoundSeen = doc.IsLastRound();
        }
        ASSERT_TRUE(lastRoundSeen) << "game " << game;
        // The game froze as the final take left it: every row taken, nobody left to move.
        ASSERT_TRUE(std::all_of(doc.m_rows.begin(), doc.m_rows.end(),
                                [](const RowState& r) { return r.taken; }));
        ASSERT_FALSE(doc.CanMove(MOVE_PLACE) || doc.CanMove(MOVE_TAKE));
    }
}

TEST(PlayedGames, TwoPlayerRoundsPlaceTwoToSixCardsAndTheGameEndsWithAtMostSevenLeft)
{
    GameRules doc;
    for (unsigned game = 0; game < 500; ++game) {
        FixedSeed seed(game + 10000);
        doc.NewGame(2);
        RandomPlayer dice(game);
        int roundStart = doc.UndealtCount();
        for (int steps = 0; !doc.m_gameOver; ++steps) {
            ASSERT_LT(steps, 1000) << "game " << game << " must end";
            const bool choosing = doc.m_turnPhase == PHASE_CHOOSE;
            ASSERT_GE(dice.Step(doc), 0) << "game " << game << ": no legal move";
            // A draw moves on to placing; a take leaves the phase at choosing.
            const bool tookARow = choosing && doc.m_turnPhase == PHASE_CHOOSE;
            const bool roundOver =
                doc.m_gameOver || std::none_of(doc.m_players.begin(), doc.m_players.end(),
                                               [](const PlayerState& p) { return p.tookRow; });
            if (tookARow && roundOver) {
                const int placed = roundStart - doc.UndealtCount();
                ASSERT_GE(placed, 2) << "game " << game;
                ASSERT_LE(placed, 6) << "game " << game;
                roundStart = doc.UndealtCount();
            }
        }
        EXPECT_LE(doc.UndealtCount(), 7);
        EXPECT_GE(doc.UndealtCount(), 2);
    }
}

} // namespace
