// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRules.h"
#include "tests/support/GameFixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr CardCode R = 0;
constexpr CardCode G = 1;
constexpr CardCode B = 2;
constexpr CardCode W = CARD_WILD;
constexpr CardCode BONUS = CARD_BONUS;

class TurnRules : public testing::Test {
protected:
    void StartGame(int players)
    {
        FixedSeed seed(42);
        doc.NewGame(players);
    }

    // The card the next placement puts down.
    CardCode TopCard() const { return *doc.m_deckTop; }

    GameRules doc;
};

TEST_F(TurnRules, EveryRoundOpensWithADraw)
{
    StartGame(3);
    EXPECT_TRUE(doc.CanMove(MOVE_PLACE));
    EXPECT_FALSE(doc.CanMove(MOVE_TAKE));
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(doc.CanMoveOnRow(row, MOVE_PLACE));
        EXPECT_FALSE(doc.CanMoveOnRow(row, MOVE_TAKE)) << "an empty row cannot be taken";
    }
}

TEST_F(TurnRules, PlacingPutsTheTopCardInTheFirstEmptySlot)
{
    StartGame(2);
    const CardCode first = doc.m_deck[0];
    const CardCode second = doc.m_deck[1];

    EXPECT_EQ(doc.ApplyMove(MOVE_PLACE, 1), 0);
    EXPECT_EQ(doc.m_rows[1].slots[0], first);
    EXPECT_EQ(doc.UndealtCount(), 75);
    EXPECT_EQ(doc.m_currentPlayer, 1);

    EXPECT_EQ(doc.ApplyMove(MOVE_PLACE, 1), 0);
    EXPECT_EQ(doc.m_rows[1].slots[1], second);
    EXPECT_EQ(doc.m_rows[1].slots[2], CARD_EMPTY);
    EXPECT_FALSE(doc.m_rows[1].full);
    EXPECT_EQ(doc.m_currentPlayer, 0);
}

TEST_F(TurnRules, TheThirdCardFillsARowWhichCanStillBeTaken)
{
    StartGame(2);
    LayRow(doc, 0, {R, G});
    doc.ApplyMove(MOVE_PLACE, 0);
    EXPECT_TRUE(doc.m_rows[0].full);
    EXPECT_FALSE(doc.CanMoveOnRow(0, MOVE_PLACE));
    EXPECT_TRUE(doc.CanMoveOnRow(0, MOVE_TAKE));
}

TEST_F(TurnRules, NoDrawWhileEveryOpenRowIsFull)
{
    StartGame(3);
    LayRow(doc, 0, {R, G, B});
    LayRow(doc, 1, {R});
    LayRow(doc, 2, {G, G, G});
    MarkTaken(doc, 1, 1);
    doc.m_currentPlayer = 2;
    EXPECT_FALSE(doc.CanMove(MOVE_PLACE));
    EXPECT_TRUE(doc.CanMove(MOVE_TAKE));
}

TEST_F(TurnRules, TakingARowCollectsEachOfItsCards)
{
    StartGame(2);
    LayRow(doc, 0, {R, W, BONUS});
    LayRow(doc, 1, {B});

    EXPECT_EQ(doc.ApplyMove(MOVE_TAKE, 0), 0);
    const PlayerState& first = doc.m_players[0];
    EXPECT_EQ(first.colourCount[R], 1);
    EXPECT_EQ(first.wildCount, 1);
    EXPECT_EQ(first.bonusCount, 1);
    EXPECT_TRUE(first.tookRow);
    EXPECT_EQ(first.colourCount[B], 0);

    EXPECT_TRUE(doc.m_rows[0].taken);
    EXPECT_TRUE(doc.m_rows[0].full) << "a taken row stays on show as it was";
    EXPECT_EQ(doc.m_rows[0].slots[2], BONUS);
    EXPECT_EQ(doc.m_currentPlayer, 1);
}

TEST_F(TurnRules, RowsOutsideTheTableAreRefused)
{
    StartGame(3);
    for (const int row : {INT_MIN, -1, 3, 4, 5, INT_MAX}) {
        EXPECT_FALSE(doc.CanMoveOnRow(row, MOVE_PLACE)) << row;
        EXPECT_FALSE(doc.CanMoveOnRow(row, MOVE_TAKE)) << row;
    }
}

TEST_F(TurnRules, AnyKindOtherThanTakeIsAPlacement)
{
    StartGame(2);
    const auto unknown = static_cast<MoveKind>(5);
    LayRow(doc, 0, {R, G, B});
    EXPECT_FALSE(doc.CanMoveOnRow(0, unknown));
    EXPECT_TRUE(doc.CanMoveOnRow(1, unknown));
    const CardCode top = TopCard();
    EXPECT_EQ(doc.ApplyMove(unknown, 1), 0);
    EXPECT_EQ(doc.m_rows[1].slots[0], top);
}

TEST_F(TurnRules, RefusedMovesChangeNothing)
{
    StartGame(3);
    LayRow(doc, 0, {R, G, B});
    LayRow(doc, 1, {R});
    MarkTaken(doc, 1, 1);
    // row 2 stays empty
    const struct {
        const char* what;
        MoveKind kind;
        int row;
    } refused[] = {
        {"place on a full row", MOVE_PLACE, 0},    {"place on a taken row", MOVE_PLACE, 1},
        {"take a taken row", MOVE_TAKE, 1},        {"take an empty row", MOVE_TAKE, 2},
        {"place below the table", MOVE_PLACE, 3},  {"take below the table", MOVE_TAKE, 4},
        {"place above the table", MOVE_PLACE, -1}, {"take far away", MOVE_TAKE, INT_MAX},
    };
    for (const auto& move : refused) {
        SCOPED_TRACE(move.what);
        const GameSnapshot before = Snapshot(doc);
        EXPECT_EQ(doc.ApplyMove(move.kind, move.row), 0);
        EXPECT_TRUE(Snapshot(doc) == before);
    }
}

TEST_F(TurnRules, ABrokenRowIsNeverWrittenPast)
{
    // Slots all filled but the row not marked full: only a hand-made state can look like this.
    StartGame(2);
    doc.m_rows[0].slots = {R, G, B};
    const GameSnapshot before = Snapshot(doc);
    EXPECT_EQ(doc.ApplyMove(MOVE_PLACE, 0), 0);
    EXPECT_TRUE(Snapshot(doc) == before);
}

TEST_F(TurnRules, TurnsPassInSeatOrderSkippingPlayersWhoTookARow)
{
    StartGame(4);
    doc.m_currentPlayer = 3;
    EXPECT_EQ(doc.NextPlayer(), 0) << "wraps from the last seat to the first";
    MarkTaken(doc, 0, 0);
    MarkTaken(doc, 1, 1);
    EXPECT_EQ(doc.NextPlayer(), 2);
    doc.m_currentPlayer = 2;
    EXPECT_EQ(doc.NextPlayer(), 3);
    MarkTaken(doc, 3, 3);
    EXPECT_EQ(doc.NextPlayer(), 2) << "the last player left moves again";
    MarkTaken(doc, 2, 2);
    EXPECT_EQ(doc.NextPlayer(), 3) << "with everybody out, simply the next seat";
}

TEST_F(TurnRules, TheLastPlayerInARoundMakesEveryRemainingMove)
{
    StartGame(3);
    LayRow(doc, 0, {R});
    LayRow(doc, 1, {G});
    doc.ApplyMove(MOVE_TAKE, 0); // player 1
    doc.ApplyMove(MOVE_TAKE, 1); // player 2
    ASSERT_EQ(doc.m_currentPlayer, 2);
    doc.ApplyMove(MOVE_PLACE, 2);
    EXPECT_EQ(doc.m_currentPlayer, 2);
    doc.ApplyMove(MOVE_PLACE, 2);
    EXPECT_EQ(doc.m_currentPlayer, 2);
    doc.ApplyMove(MOVE_PLACE, 2);
    EXPECT_EQ(doc.m_currentPlayer, 2);
    EXPECT_TRUE(doc.m_rows[2].full);
    EXPECT_EQ(doc.ApplyMove(MOVE_TAKE, 2), 0);
    EXPECT_EQ(doc.m_currentPlayer, 0) << "the next round opens with the seat after the last taker";
}

TEST_F(TurnRules, TheRoundEndsWhenEveryRowIsTaken)
{
    StartGame(3);
    LayRow(doc, 0, {R});
    LayRow(doc, 1, {G, W});
    LayRow(doc, 2, {B});
    doc.m_currentPlayer = 1;
    doc.ApplyMove(MOVE_TAKE, 1); // player 2
    doc.ApplyMove(MOVE_TAKE, 0); // player 3
    ASSERT_EQ(doc.m_currentPlayer, 0);
    EXPECT_EQ(doc.ApplyMove(MOVE_TAKE, 2), 0); // player 1 takes the last row

    EXPECT_EQ(doc.m_currentPlayer, 1);
    for (const PlayerState& player : doc.m_players) {
        EXPECT_FALSE(player.tookRow);
    }
    for (const RowState& row : doc.m_rows) {
        EXPECT_TRUE(row == RowState{});
    }
    EXPECT_EQ(doc.m_players[1].wildCount, 1) << "collections survive the round's end";
}

TEST_F(TurnRules, TheGameEndsWithTheLastRoundLeavingItsFinalState)
{
    StartGame(2);
    SetUndealt(doc, 7); // the last round: 3 × 2 + 1 cards left
    LayRow(doc, 0, {R, G});
    LayRow(doc, 1, {B});
    doc.ApplyMove(MOVE_TAKE, 0); // player 1
    ASSERT_EQ(doc.m_currentPlayer, 1);
    EXPECT_EQ(doc.ApplyMove(MOVE_TAKE, 1), 1);

    EXPECT_EQ(doc.m_currentPlayer, 1) << "the turn does not pass";
    EXPECT_TRUE(doc.m_players[0].tookRow);
    EXPECT_TRUE(doc.m_players[1].tookRow);
    EXPECT_TRUE(doc.m_rows[0].taken);
    EXPECT_TRUE(doc.m_rows[1].taken);
    EXPECT_EQ(doc.m_rows[0].slots[1], G) << "the final rows stay on show";
    EXPECT_EQ(doc.UndealtCount(), 7);
    EXPECT_FALSE(doc.CanMove(MOVE_PLACE));
    EXPECT_FALSE(doc.CanMove(MOVE_TAKE));
}

TEST_F(TurnRules, ARoundEndingBeforeTheLastRoundDoesNotEndTheGame)
{
    StartGame(2);
    SetUndealt(doc, 8); // one card above the last-round threshold
    LayRow(doc, 0, {R});
    LayRow(doc, 1, {G});
    doc.ApplyMove(MOVE_TAKE, 0);
    EXPECT_EQ(doc.ApplyMove(MOVE_TAKE, 1), 0);
    EXPECT_FALSE(doc.m_players[1].tookRow);
}

} // namespace
