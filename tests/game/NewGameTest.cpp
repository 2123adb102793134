// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRules.h"
#include "game/ShuffleSeed.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/RandomPlayer.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>

namespace {

void ExpectFreshGame(const GameRules& doc, int players)
{
    EXPECT_EQ(doc.m_numPlayers, players);
    ASSERT_EQ(doc.m_players.size(), static_cast<std::size_t>(players));
    ASSERT_EQ(doc.m_rows.size(), static_cast<std::size_t>(players));
    for (const PlayerState& player : doc.m_players) {
        EXPECT_TRUE(player == PlayerState{});
    }
    for (const RowState& row : doc.m_rows) {
        EXPECT_TRUE(row == RowState{});
    }
    EXPECT_EQ(doc.m_currentPlayer, 0);
    EXPECT_EQ(doc.m_turnPhase, PHASE_CHOOSE);
    EXPECT_FALSE(doc.m_gameOver);
    EXPECT_EQ(doc.UndealtCount(), 76);
    EXPECT_EQ(doc.m_deckTop, doc.m_deck.data());
    EXPECT_FALSE(doc.IsLastRound());
}

TEST(NewGame, ClampsThePlayerCountToTwoThroughFive)
{
    const struct {
        int asked;
        int players;
    } cases[] = {{INT_MIN, 2}, {-3, 2}, {0, 2}, {1, 2}, {2, 2},   {3, 3},
                 {4, 4},       {5, 5},  {6, 5}, {7, 5}, {100, 5}, {INT_MAX, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        GameRules doc;
        doc.NewGame(c.asked);
        ExpectFreshGame(doc, c.players);
    }
}

TEST(NewGame, ReplacesEveryTraceOfTheGameBeforeRunningOrFinished)
{
    for (const int before : {2, 3, 5}) {
        for (const int after : {2, 4, 5}) {
            SCOPED_TRACE(testing::Message() << before << " players, then " << after);
            FixedSeed seed(static_cast<unsigned>(before * 10 + after));
            GameRules doc;
            doc.NewGame(before);
            RandomPlayer player(static_cast<std::uint64_t>(after));
            if (before == 5) {
                player.PlayToEnd(doc);
                ASSERT_TRUE(doc.m_gameOver) << "the game must end";
            } else {
                for (int step = 0; step < 25; ++step) {
                    player.Step(doc);
                }
                doc.m_turnPhase = PHASE_PLACE; // as if a card had just been drawn
            }
            doc.NewGame(after);
            ExpectFreshGame(doc, after);
        }
    }
}

TEST(NewGame, EveryDeckHoldsTheSameSeventySixCards)
{
    GameRules doc;
    for (unsigned seed = 0; seed < 2000; ++seed) {
        FixedSeed fixed(seed * 7919U);
        doc.NewGame(5);
        ASSERT_EQ(TallyCards(doc.m_deck.data(), doc.m_deck.data() + DECK_SIZE), FullDeckTally())
            << "seed " << seed * 7919U;
    }
}

TEST(NewGame, AFixedSeedAlwaysDealsTheSameDeck)
{
    // The deal of seed 2026 on the GNU C library's rand().
    const std::array<CardCode, DECK_SIZE> golden{
        8, 8, 5, 7, 5, 8, 4, 3, 4, 6, 2, 6, 5, 1, 1, 6, 2, 1, 5, 1, 0, 0, 3, 8, 4, 5,
        0, 3, 4, 0, 6, 3, 2, 7, 2, 3, 1, 8, 0, 1, 3, 4, 5, 6, 4, 6, 8, 6, 1, 2, 2, 5,
        6, 0, 1, 4, 4, 8, 5, 3, 6, 4, 7, 2, 0, 3, 0, 1, 3, 5, 0, 8, 2, 8, 2, 8};
    FixedSeed seed(2026);
    GameRules doc;
    doc.NewGame(2);
    EXPECT_EQ(doc.m_deck, golden);
    doc.NewGame(5);
    EXPECT_EQ(doc.m_deck, golden) << "the player count must not change the deal";
}

TEST(NewGame, GamesSetUpInTheSameSecondGetTheSameDeck)
{
    GameRules first;
    GameRules second;
    // Retried in the rare case that the clock ticks over between the two set-ups.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t start = std::time(nullptr);
        first.NewGame(2);
        second.NewGame(5);
        if (std::time(nullptr) == start) {
            EXPECT_EQ(first.m_deck, second.m_deck);
            FixedSeed clockSecond(static_cast<unsigned>(start));
            GameRules fixed;
            fixed.NewGame(2);
            EXPECT_EQ(fixed.m_deck, first.m_deck) << "the clock seeds with the calendar second";
            return;
        }
    }
    FAIL() << "the clock never stood still for two set-ups";
}

TEST(NewGame, ACopyPlaysOnItsOwnDeck)
{
    FixedSeed seed(11);
    GameRules original;
    original.NewGame(3);
    ASSERT_TRUE(original.CanMoveOnRow(0, MOVE_PLACE));
    original.ApplyMove(MOVE_PLACE, 0);
    const GameSnapshot before = Snapshot(original);

    GameRules copy = original;
    EXPECT_EQ(Snapshot(copy), before);
    EXPECT_EQ(copy.m_deckTop, copy.m_deck.data() + 1) << "the copy's top is in its own deck";
    copy.ApplyMove(MOVE_PLACE, 1);
    copy.m_deck.fill(CARD_BONUS);
    EXPECT_EQ(Snapshot(original), before) << "playing on the copy left the original alone";

    GameRules assigned;
    assigned = original;
    EXPECT_EQ(assigned.m_deckTop, assigned.m_deck.data() + 1);
    EXPECT_EQ(Snapshot(assigned), before);
}

TEST(LastRound, BeginsAtThreeCardsPerPlayerPlusOne)
{
    for (int players = MIN_PLAYERS; players <= MAX_PLAYERS; ++players) {
        SCOPED_TRACE(testing::Message() << players << " players");
        GameRules doc;
        doc.NewGame(players);
        const int threshold = 3 * players + 1; // 7, 10, 13, 16
        SetUndealt(doc, threshold + 1);
        EXPECT_FALSE(doc.IsLastRound());
        SetUndealt(doc, threshold);
        EXPECT_TRUE(doc.IsLastRound());
        SetUndealt(doc, 2);
        EXPECT_TRUE(doc.IsLastRound());
    }
}

TEST(Document, IsSafeToUseBeforeTheFirstGame)
{
    GameRules doc;
    EXPECT_EQ(doc.m_numPlayers, 0);
    EXPECT_TRUE(doc.m_players.empty());
    EXPECT_TRUE(doc.m_rows.empty());
    EXPECT_FALSE(doc.CanMove(MOVE_PLACE));
    EXPECT_FALSE(doc.CanMove(MOVE_TAKE));
    EXPECT_EQ(doc.ApplyMove(MOVE_PLACE, 0), 0);
    EXPECT_EQ(doc.NextPlayer(), 0);
    EXPECT_EQ(doc.PlayerScore(0), 0);
    EXPECT_TRUE(doc.AllScores().empty());
}

} // namespace
