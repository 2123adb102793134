// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameTypes.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/Printers.h"
#include "tests/view/BoardFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Position = std::pair<int, int>;

std::vector<Position> PositionsOf(const std::vector<CDC::TextItem>& drawing)
{
    std::vector<Position> positions;
    for (const CDC::TextItem& item : drawing) {
        positions.emplace_back(item.x, item.y);
    }
    return positions;
}

// One line of the board in one situation, character for character.
struct LineCase {
    const char* name;
    std::function<void(CZintra_winDoc&)> setUp;
    int x;
    int y;
    const wchar_t* line;

    friend void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }
};

class BoardLine : public BoardTest, public testing::WithParamInterface<LineCase> {};

TEST_P(BoardLine, IsDrawnExactly)
{
    StartGame(3);
    GetParam().setUp(doc);
    Paint();
    EXPECT_EQ(TextAt(GetParam().x, GetParam().y), GetParam().line);
}

const LineCase kLineCases[] = {
    {"third_row_without_a_card", [](CZintra_winDoc&) {}, 200, 120, L"Row #3| "},
    {"first_row_holding_R_then_bonus",
     [](CZintra_winDoc& d) {
         LayRow(d, 0, {0, CARD_BONUS});
     },
     200, 40, L"Row #1|   R  +2"},
    {"second_row_full_of_B_W_G",
     [](CZintra_winDoc& d) {
         LayRow(d, 1, {2, CARD_WILD, 1});
     },
     200, 80, L"Row #2|   B  W  G"},
    {"every_label_on_the_rows",
     [](CZintra_winDoc& d) {
         LayRow(d, 0, {3, 4, 5});
         LayRow(d, 2, {6, 6});
     },
     200, 40, L"Row #1|   Y  P  S"},
    {"violet_on_the_third_row",
     [](CZintra_winDoc& d) {
         LayRow(d, 2, {6, 6});
     },
     200, 120, L"Row #3|   V  V"},
    {"first_row_taken",
     [](CZintra_winDoc& d) {
         LayRow(d, 0, {0, CARD_BONUS});
         MarkTaken(d, 1, 0);
     },
     200, 40, L"Row #1|   Taken  "},
    {"a_taken_row_hides_its_slots_even_when_full",
     [](CZintra_winDoc& d) {
         LayRow(d, 0, {0, 1, 2});
         MarkTaken(d, 1, 0);
     },
     200, 40, L"Row #1|   Taken  "},
    {"slots_end_at_the_first_empty_one",
     [](CZintra_winDoc& d) {
         d.m_rows[0].slots = {CARD_EMPTY, 0, 1};
     },
     200, 40, L"Row #1| "},
    {"first_player_at_the_start", [](CZintra_winDoc&) {}, 200, 300,
     L"Player #1   R:0   G:0   B:0   Y:0   P:0   S:0   V:0   W:0   +2:0   "},
    {"a_player_with_cards_who_took_a_row",
     [](CZintra_winDoc& d) {
         PlayerState& p = d.m_players[2];
         p.colourCount = {1, 2, 3, 4, 5, 6, 7};
         p.wildCount = 2;
         p.bonusCount = 10;
         p.tookRow = true;
     },
     200, 420, L"Player #3   R:1   G:2   B:3   Y:4   P:5   S:6   V:7   W:2   +2:10   Taken"},
    {"prompt_at_the_start", [](CZintra_winDoc&) {}, 100, 600,
     L"It is Player #1's turn.  Click on the deck to draw a card or on a row to take it."},
    {"prompt_after_a_draw",
     [](CZintra_winDoc& d) {
         d.m_currentPlayer = 2;
         d.m_turnPhase = PHASE_PLACE;
     },
     100, 600, L"It is Player #3's turn.  Click on the row you wish to add the card to."},
    {"prompt_in_a_phase_it_does_not_know",
     [](CZintra_winDoc& d) { d.m_turnPhase = static_cast<TurnPhase>(1); }, 100, 600,
     L"It is Player #1's turn.  "},
    {"drawn_bonus_card",
     [](CZintra_winDoc& d) {
         *d.m_deckTop = CARD_BONUS;
         d.m_turnPhase = PHASE_PLACE;
     },
     50, 150, L"+2"},
    {"drawn_wild_card",
     [](CZintra_winDoc& d) {
         *d.m_deckTop = CARD_WILD;
         d.m_turnPhase = PHASE_PLACE;
     },
     50, 150, L"W"},
    {"banner_in_the_last_round", [](CZintra_winDoc& d) { SetUndealt(d, 10); }, 200, 0,
     L"LAST ROUND!!"},
};

INSTANTIATE_TEST_SUITE_P(Examples, BoardLine, testing::ValuesIn(kLineCases),
                         [](const auto& scenario) { return std::string(scenario.param.name); });

TEST_F(BoardTest, PlacesEveryItemForTwoPlayers)
{
    StartGame(2);
    EXPECT_EQ(
        PositionsOf(Paint()),
        (std::vector<Position>{
            {200, 40}, {200, 80}, {50, 100}, {400, 260}, {200, 300}, {200, 360}, {100, 600}}));
}

TEST_F(BoardTest, PlacesEveryItemForFivePlayers)
{
    StartGame(5);
    EXPECT_EQ(PositionsOf(Paint()), (std::vector<Position>{{200, 40},
                                                           {200, 80},
                                                           {200, 120},
                                                           {200, 160},
                                                           {200, 200},
                                                           {50, 100},
                                                           {400, 260},
                                                           {200, 300},
                                                           {200, 360},
                                                           {200, 420},
                                                           {200, 480},
                                                           {200, 540},
                                                           {100, 600}}));
}

TEST_F(BoardTest, AFinishedGameKeepsBannerAndHandsButNoPromptOrDrawnCard)
{
    StartGame(2);
    SetUndealt(doc, 5);
    doc.m_gameOver = true;
    const std::vector<CDC::TextItem> drawing = Paint();
    EXPECT_EQ(TextAt(200, 0), L"LAST ROUND!!");
    EXPECT_EQ(TextAt(400, 260), L"Hands");
    EXPECT_EQ(TextAt(100, 600), L"");
    EXPECT_EQ(TextAt(50, 150), L"");
    EXPECT_EQ(drawing, ExpectedBoard(doc));
}

TEST_F(BoardTest, ShowsTheDrawnCardWhateverTheGameOverFlag)
{
    StartGame(2);
    *doc.m_deckTop = 4;
    doc.m_turnPhase = PHASE_PLACE;
    doc.m_gameOver = true;
    Paint();
    EXPECT_EQ(TextAt(50, 150), L"P");
}

TEST_F(BoardTest, ANewGameRepaintsTheBoard)
{
    StartGame(5);
    Click(75, 110);
    platform.PaintInvalidated();
    doc.NewGame(2);
    EXPECT_TRUE(platform.NeedsPaint(view));
    platform.PaintInvalidated();
    EXPECT_EQ(platform.LastDrawing(view), ExpectedBoard(doc));
    EXPECT_EQ(TextAt(200, 120), L"") << "the rows of the larger game are gone";
}

TEST_F(BoardTest, StaysInsideTheDeckAndTheLabelsWhateverTheState)
{
    StartGame(2);
    doc.m_rows[0].slots = {42, -7, CARD_EMPTY}; // codes no card has
    SetUndealt(doc, 0);
    doc.m_turnPhase = PHASE_PLACE;
    Paint();
    EXPECT_EQ(TextAt(200, 40), L"Row #1|     "); // two slots, no labels
    EXPECT_EQ(TextAt(50, 150), L"") << "no card is left to have been drawn";
}

TEST(BoardView, IsCreatedByItsRuntimeClass)
{
    const CRuntimeClass* runtimeClass = RUNTIME_CLASS(CZintra_winView);
    EXPECT_STREQ(runtimeClass->m_lpszClassName, "CZintra_winView");
    EXPECT_TRUE(runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CView)));
    const std::unique_ptr<CObject> view = runtimeClass->CreateObject();
    EXPECT_NE(dynamic_cast<CZintra_winView*>(view.get()), nullptr);
}

TEST(BoardWithoutGame, AViewWithoutADocumentDrawsNothing)
{
    HeadlessPlatform platform;
    CZintra_winView view;
    platform.CreateWindow(view);
    platform.Paint(view);
    EXPECT_TRUE(platform.LastDrawing(view).empty());
    EXPECT_EQ(platform.Trace(), std::vector<std::wstring>{L"paint"});
}

TEST(BoardWithoutGame, ADocumentBeforeItsFirstGameShowsOnlyTheFixedTexts)
{
    HeadlessBoard board;
    board.platform.Paint(board.view);
    EXPECT_EQ(PositionsOf(board.platform.LastDrawing(board.view)),
              (std::vector<Position>{{50, 100}, {400, 260}, {100, 600}}));
}

} // namespace
