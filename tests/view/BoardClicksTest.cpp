// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameTypes.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/Printers.h"
#include "tests/view/BoardFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Trace = std::vector<std::wstring>;

const std::wstring kDefault = L"default 0x0202"; // the button release, passed on
const std::wstring kRepaint = L"invalidate erase";

std::wstring Box(const wchar_t* text)
{
    return std::wstring(L"box 0/0: ") + text;
}

// --- Hit areas --------------------------------------------------------------------------

constexpr int kDeck = -2;
constexpr int kNothing = -1;

// What a release at (x, y) aims at, found from what it does to a five-player game: at the
// start of a round the deck draws, and after a draw a row band receives the card.
int TargetOf(int x, int y)
{
    HeadlessBoard board;
    HeadlessPlatform& platform = board.platform;
    CZintra_winDoc& doc = board.doc;
    CZintra_winView& view = board.view;
    const FixedSeed seed(1);
    doc.NewGame(5);

    platform.Click(view, x, y);
    if (doc.m_turnPhase == PHASE_PLACE) {
        return kDeck;
    }
    doc.m_turnPhase = PHASE_PLACE;
    platform.Click(view, x, y);
    for (int row = 0; row < 5; ++row) {
        if (doc.m_rows[static_cast<std::size_t>(row)].slots[0] != CARD_EMPTY) {
            return row;
        }
    }
    return kNothing;
}

struct HitCase {
    int x;
    int y;
    int target;
};

TEST(HitAreas, AreOpenRectanglesAroundTheDeckAndTheStartOfEachRowLine)
{
    const HitCase cases[] = {
        // The first row's band and its borders.
        {201, 41, 0},
        {249, 59, 0},
        {225, 50, 0},
        {200, 50, kNothing},
        {250, 50, kNothing},
        {225, 40, kNothing},
        {225, 60, kNothing},
        {225, 70, kNothing}, // between two bands
        // Every band, just inside and on its borders.
        {225, 81, 1},
        {225, 99, 1},
        {225, 80, kNothing},
        {225, 100, kNothing},
        {225, 121, 2},
        {225, 139, 2},
        {225, 120, kNothing},
        {225, 140, kNothing},
        {225, 161, 3},
        {225, 179, 3},
        {225, 160, kNothing},
        {225, 180, kNothing},
        {201, 201, 4},
        {249, 219, 4},
        {225, 200, kNothing},
        {225, 220, kNothing},
        {225, 241, kNothing}, // where a sixth row would be
        // The deck and its borders.
        {51, 81, kDeck},
        {99, 139, kDeck},
        {75, 110, kDeck},
        {50, 100, kNothing},
        {100, 100, kNothing},
        {75, 80, kNothing},
        {75, 140, kNothing},
        {50, 150, kNothing},
        {60, 155, kNothing}, // the drawn card's label
        // The rest of the board, and points off the window.
        {200, 0, kNothing},
        {300, 50, kNothing},
        {225, 300, kNothing},
        {100, 600, kNothing},
        {-1, -1, kNothing},
        {-32768, 50, kNothing},
        {32767, 32767, kNothing},
    };
    for (const HitCase& hit : cases) {
        EXPECT_EQ(TargetOf(hit.x, hit.y), hit.target) << "at (" << hit.x << ", " << hit.y << ")";
    }
}

// --- The turn's state machine -----------------------------------------------------------

class Clicks : public BoardTest {
protected:
    // A click whose effects the test checks: the trace of what it did.
    Trace ClickAndTrace(int x, int y)
    {
        platform.ClearLog();
        Click(x, y);
        return platform.Trace();
    }
};

TEST_F(Clicks, OnTheDeckDrawWhenARowHasRoom)
{
    StartGame(3);
    LayRow(doc, 0, {0, 1, 2});
    GameSnapshot expected = Snapshot(doc);
    expected.turnPhase = PHASE_PLACE;
    EXPECT_EQ(ClickAndTrace(75, 110), (Trace{kRepaint, kDefault}));
    EXPECT_EQ(Snapshot(doc), expected) << "a draw moves no card";
}

TEST_F(Clicks, OnTheDeckAreRefusedWhenEveryOpenRowIsFull)
{
    StartGame(3);
    LayRow(doc, 0, {0, 1, 2});
    LayRow(doc, 1, {3, 4});
    MarkTaken(doc, 2, 1);
    LayRow(doc, 2, {5, 6, CARD_BONUS});
    const GameSnapshot before = Snapshot(doc);
    EXPECT_EQ(ClickAndTrace(75, 110), (Trace{Box(L"You cannot draw."), kRepaint, kDefault}));
    EXPECT_EQ(Snapshot(doc), before);
}

TEST_F(Clicks, OnARowAtTheStartOfARoundAreRefusedBeforeTheRowIsLookedAt)
{
    StartGame(2);
    const GameSnapshot before = Snapshot(doc);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(ClickAndTrace(225, 50 + 40 * row),
                  (Trace{kDefault, Box(L"You cannot take a row.")}))
            << "row band " << row;
    }
    EXPECT_EQ(Snapshot(doc), before);
}

TEST_F(Clicks, OnAnEmptyTakenOrMissingRowAreRefusedWhileSomeRowCanBeTaken)
{
    StartGame(3);
    LayRow(doc, 0, {0});
    LayRow(doc, 2, {1});
    MarkTaken(doc, 1, 2);
    const GameSnapshot before = Snapshot(doc);
    for (const int row : {1, 2, 3, 4}) { // empty, taken, and two rows not in a 3-player game
        EXPECT_EQ(ClickAndTrace(225, 50 + 40 * row),
                  (Trace{kDefault, Box(L"You cannot take that row.")}))
            << "row band " << row;
    }
    EXPECT_EQ(Snapshot(doc), before);
}

TEST_F(Clicks, OnARowTakeItAndPassTheTurn)
{
    StartGame(3);
    LayRow(doc, 1, {0, CARD_BONUS});
    EXPECT_EQ(ClickAndTrace(225, 90), (Trace{kRepaint, kDefault}));
    EXPECT_TRUE(doc.m_rows[1].taken);
    EXPECT_TRUE(doc.m_players[0].tookRow);
    EXPECT_EQ(doc.m_players[0].colourCount[0], 1);
    EXPECT_EQ(doc.m_players[0].bonusCount, 1);
    EXPECT_EQ(doc.m_currentPlayer, 1);
    EXPECT_EQ(doc.m_turnPhase, PHASE_CHOOSE);
    EXPECT_FALSE(doc.m_gameOver);
}

// The modifier keys and the other buttons make no difference.
TEST_F(Clicks, IgnoreTheFlagsThatComeWithTheRelease)
{
    StartGame(3);
    LayRow(doc, 1, {0});
    platform.Click(view, 225, 90, 0xFFFFU);
    EXPECT_TRUE(doc.m_rows[1].taken);
}

TEST_F(Clicks, OffTheDeckAndTheRowsOnlyPassTheReleaseOn)
{
    StartGame(3);
    LayRow(doc, 0, {0});
    for (const bool drawn : {false, true}) {
        doc.m_turnPhase = drawn ? PHASE_PLACE : PHASE_CHOOSE;
        const GameSnapshot before = Snapshot(doc);
        EXPECT_EQ(ClickAndTrace(300, 300), Trace{kDefault});
        EXPECT_EQ(ClickAndTrace(225, 70), Trace{kDefault});
        EXPECT_EQ(Snapshot(doc), before);
    }
}

TEST_F(Clicks, OnTheDeckAfterADrawDoNothing)
{
    StartGame(3);
    Click(75, 110);
    const GameSnapshot drawn = Snapshot(doc);
    EXPECT_EQ(ClickAndTrace(75, 110), Trace{kDefault});
    EXPECT_EQ(Snapshot(doc), drawn) << "a draw cannot be taken back";
}

TEST_F(Clicks, AfterADrawPlaceTheCardOnTheRow)
{
    StartGame(3);
    const CardCode drawnCard = *doc.m_deckTop;
    const int undealt = doc.UndealtCount();
    Click(75, 110);
    EXPECT_EQ(ClickAndTrace(225, 130), (Trace{kRepaint, kDefault}));
    EXPECT_EQ(doc.m_rows[2].slots[0], drawnCard);
    EXPECT_EQ(doc.UndealtCount(), undealt - 1);
    EXPECT_EQ(doc.m_currentPlayer, 1);
    EXPECT_EQ(doc.m_turnPhase, PHASE_CHOOSE);
}

TEST_F(Clicks, AfterADrawOnAFullTakenOrMissingRowAreRefusedAndKeepTheCardDrawn)
{
    StartGame(3);
    LayRow(doc, 0, {0, 1, 2});
    LayRow(doc, 1, {3});
    MarkTaken(doc, 2, 1);
    Click(75, 110);
    ASSERT_EQ(doc.m_turnPhase, PHASE_PLACE);
    const GameSnapshot drawn = Snapshot(doc);
    for (const int row : {0, 1, 3, 4}) {
        EXPECT_EQ(ClickAndTrace(225, 50 + 40 * row),
                  (Trace{kDefault, Box(L"You cannot place on that row.")}))
            << "row band " << row;
    }
    EXPECT_EQ(Snapshot(doc), drawn);
}

// Two players, the second has taken a row, and the first takes the last one of the last round.
class FinalTake : public Clicks {
protected:
    void SetUp() override
    {
        StartGame(2);
        SetUndealt(doc, 7);
        MarkTaken(doc, 1, 1);
        LayRow(doc, 0, {0, 0, CARD_BONUS});
        Paint(); // the last round's announcement, out of the way
        platform.ClearLog();
    }
};

TEST_F(FinalTake, RepaintsEndsTheGameAndShowsTheResultsOnce)
{
    const Trace trace = ClickAndTrace(225, 50);
    ASSERT_EQ(trace.size(), 3U);
    EXPECT_EQ(trace[0], kRepaint);
    EXPECT_EQ(trace[1].rfind(L"box 0/0: Final Scores\n", 0), 0U) << "results box";
    EXPECT_EQ(trace[2], kDefault);
    EXPECT_TRUE(doc.m_gameOver);
    EXPECT_EQ(doc.m_turnPhase, PHASE_CHOOSE);
}

TEST_F(FinalTake, MarksTheGameOverBeforeTheResultsBoxOpens)
{
    bool checked = false;
    platform.whileBoxOpen = [&](const HeadlessPlatform::Event&) {
        if (checked) {
            return; // a second box is the fault the count below reports
        }
        checked = true;
        EXPECT_TRUE(doc.m_gameOver);
        EXPECT_TRUE(platform.NeedsPaint(view));
        // A paint while the box is open already shows the finished game.
        Paint();
        EXPECT_EQ(TextAt(100, 600), L"");
        EXPECT_EQ(platform.LastDrawing(view), ExpectedBoard(doc));
        // And the board ignores clicks.
        const GameSnapshot over = Snapshot(doc);
        Click(75, 110);
        EXPECT_EQ(Snapshot(doc), over);
    };
    Click(225, 50);
    EXPECT_TRUE(checked);
    EXPECT_EQ(platform.Boxes().size(), 1U);
}

TEST_F(FinalTake, LeavesAGameThatIgnoresEveryLaterClick)
{
    Click(225, 50);
    ASSERT_TRUE(doc.m_gameOver);
    const GameSnapshot over = Snapshot(doc);
    for (const auto& [x, y] : {std::pair{75, 110}, {225, 50}, {225, 90}, {0, 0}}) {
        EXPECT_EQ(ClickAndTrace(x, y), Trace{kDefault});
    }
    doc.m_turnPhase = PHASE_PLACE;
    EXPECT_EQ(ClickAndTrace(225, 90), Trace{kDefault});
    doc.m_turnPhase = PHASE_CHOOSE;
    EXPECT_EQ(Snapshot(doc), over);
}

TEST_F(FinalTake, IsForgottenByANewGame)
{
    Click(225, 50);
    StartGame(2);
    EXPECT_EQ(ClickAndTrace(75, 110), (Trace{kRepaint, kDefault}));
    EXPECT_EQ(doc.m_turnPhase, PHASE_PLACE);
}

TEST(ClicksWithoutGame, AreIgnoredEntirelyByAViewWithoutADocument)
{
    HeadlessPlatform platform;
    CZintra_winView view;
    platform.CreateWindow(view);
    for (const auto& [x, y] : {std::pair{75, 110}, {225, 50}, {0, 0}}) {
        platform.Click(view, x, y);
    }
    EXPECT_TRUE(platform.Log().empty());
}

TEST(ClicksWithoutGame, BeforeTheFirstGameReadNothingOutsideTheEmptyArrays)
{
    HeadlessBoard board;
    board.platform.Click(board.view, 75, 110);
    board.platform.Click(board.view, 225, 50);
    EXPECT_EQ(board.platform.Trace(), (Trace{Box(L"You cannot draw."), kRepaint, kDefault, kDefault,
                                             Box(L"You cannot take a row.")}));
}

} // namespace
