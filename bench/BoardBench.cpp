// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the board answers: painting a full board, and a click through to the repainted
// view, on the headless platform.
#include "afx/CDC.h"
#include "afx/headless/HeadlessPlatform.h"
#include "game/Zintra_winDoc.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/HeadlessBoard.h"
#include "view/Zintra_winView.h"

#include <benchmark/benchmark.h>

namespace {

// A busy five-player board in its last round: every row and hand drawn, banner and drawn card
// included.
void SetUpBusyBoard(CZintra_winDoc& doc)
{
    const FixedSeed fixed(7);
    doc.NewGame(5);
    LayRow(doc, 0, {0, 1, 2});
    LayRow(doc, 1, {3, CARD_WILD});
    LayRow(doc, 2, {CARD_BONUS});
    MarkTaken(doc, 3, 2);
    for (PlayerState& player : doc.m_players) {
        player.colourCount = {3, 1, 4, 1, 5, 9, 2};
        player.bonusCount = 6;
    }
    SetUndealt(doc, 16);
    doc.m_turnPhase = PHASE_PLACE;
}

// OnDraw alone, into a fresh device context.
void BM_DrawBoard(benchmark::State& state)
{
    HeadlessPlatform platform; // answers the last-round box of the first paint
    CZintra_winDoc doc;
    CZintra_winView view;
    doc.AddView(&view);
    SetUpBusyBoard(doc);
    for (auto _ : state) {
        CDC dc;
        view.OnDraw(&dc);
        benchmark::DoNotOptimize(dc.GetTextItems().data());
    }
}
BENCHMARK(BM_DrawBoard);

// One click of a game in progress (a draw, a place or a take, at the point a player would
// click) and the repaint it asks for. A finished game is replaced by a new one.
void BM_ClickToRepaint(benchmark::State& state)
{
    HeadlessBoard board;
    CZintra_winDoc& doc = board.doc;
    const FixedSeed fixed(11);
    doc.NewGame(5);
    for (auto _ : state) {
        if (doc.m_gameOver) {
            doc.NewGame(5);
        }
        const MoveKind kind = doc.m_turnPhase == PHASE_CHOOSE ? MOVE_TAKE : MOVE_PLACE;
        int x = 75;
        int y = 110; // the deck
        if (doc.m_turnPhase != PHASE_CHOOSE || !doc.CanMove(MOVE_PLACE)) {
            int row = 0;
            while (!doc.CanMoveOnRow(row, kind)) {
                ++row;
            }
            x = 225;
            y = 50 + 40 * row;
        }
        board.platform.Click(board.view, x, y);
        board.platform.PaintInvalidated();
        board.platform.ClearLog();
    }
    state.SetItemsProcessed(state.iterations()); // clicks per second
}
BENCHMARK(BM_ClickToRepaint);

} // namespace
