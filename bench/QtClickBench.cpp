// SPDX-License-Identifier: GPL-3.0-or-later
// A click on the real board widget through to the repainted view, on Qt's offscreen platform:
// the release reaches OnLButtonUp, the move invalidates the view, WM_PAINT is delivered from
// the event queue, and the widget replays the new drawing.
#include "afx/CFrameWnd.h"
#include "afx/qt/QtPlatform.h"
#include "app/MainFrm.h"
#include "game/ShuffleSeed.h"
#include "game/Zintra_winDoc.h"
#include "res/Resource.h"
#include "res/Zintra_winResources.h"
#include "view/Zintra_winView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

void BM_ClickToRepaintedWidget(benchmark::State& state)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    char name[] = "qt_click_bench";
    char* argv[] = {&name[0], nullptr};
    int argc = 1;
    QApplication application(argc, &argv[0]);
    afx::qt::QtPlatform platform(argc, &argv[0]);
    afx::SetPlatform(&platform);
    afx::SetResources(&res::Bundle());
    SetFixedShuffleSeed(2026);

    CZintra_winDoc doc;
    CMainFrame frame;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CZintra_winView);
    context.m_pCurrentDoc = &doc;
    if (frame.LoadFrame(IDR_MAINFRAME, WS_FRAME_DEFAULT, nullptr, &context) == FALSE) {
        state.SkipWithError("no frame");
        return;
    }
    doc.NewGame(5);
    frame.InitialUpdateFrame(&doc, TRUE);
    QWidget* view = platform.WidgetOf(frame.GetActiveView()->m_hWnd);
    QApplication::processEvents();

    for (auto _ : state) {
        // A draw from the deck, then back to choosing, so every click is the same move.
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(75, 110));
        QApplication::sendPostedEvents();
        view->repaint();
        doc.m_turnPhase = PHASE_CHOOSE;
    }
    SetFixedShuffleSeed(std::nullopt);
    afx::SetResources(nullptr);
    afx::SetPlatform(nullptr);
}
BENCHMARK(BM_ClickToRepaintedWidget)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
