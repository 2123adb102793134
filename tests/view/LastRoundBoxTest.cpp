// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameFixtures.h"
#include "tests/support/Printers.h"
#include "tests/view/BoardFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::wstring>;

const std::wstring kLastRoundBox = L"box 0/0: This will be the last round!";

class LastRoundBox : public BoardTest {
protected:
    // A four-player game with `undealt` cards left, and a fresh log.
    void StartWith(int undealt)
    {
        StartGame(4);
        SetUndealt(doc, undealt);
        platform.ClearLog();
    }
};

TEST_F(LastRoundBox, IsNotShownBeforeTheLastRound)
{
    StartWith(14); // one card above 3 x 4 + 1
    EXPECT_EQ(Paint(), ExpectedBoard(doc));
    EXPECT_EQ(TextAt(200, 0), L"");
    EXPECT_EQ(platform.Trace(), Trace{L"paint"});
}

TEST_F(LastRoundBox, OpensBeforeAnythingIsDrawnAndTheBoardFollows)
{
    StartWith(13);
    std::size_t drawnWhileOpen = 99;
    platform.whileBoxOpen = [&](const HeadlessPlatform::Event&) {
        drawnWhileOpen = platform.LastDrawing(view).size();
    };
    EXPECT_EQ(Paint(), ExpectedBoard(doc));
    EXPECT_EQ(platform.Trace(), (Trace{kLastRoundBox, L"paint"}));
    EXPECT_EQ(TextAt(200, 0), L"LAST ROUND!!");
    // The view shows its previous paint (the start of the game) while the box is open: this
    // paint has handed nothing over yet.
    EXPECT_EQ(drawnWhileOpen, 11U);
}

TEST_F(LastRoundBox, LaterPaintsShowTheBannerAlone)
{
    StartWith(13);
    Paint();
    platform.ClearLog();
    for (int paint = 0; paint < 3; ++paint) {
        EXPECT_EQ(Paint(), ExpectedBoard(doc));
    }
    EXPECT_EQ(platform.Trace(), (Trace{L"paint", L"paint", L"paint"}));
    EXPECT_EQ(TextAt(200, 0), L"LAST ROUND!!");
}

TEST_F(LastRoundBox, APaintWhileItIsOpenDrawsTheWholeBoardAndNoSecondBox)
{
    StartWith(13);
    std::vector<CDC::TextItem> nested;
    int boxesOpen = 0;
    platform.whileBoxOpen = [&](const HeadlessPlatform::Event&) {
        if (++boxesOpen == 1) {   // a second box would be the fault; do not recurse into it
            platform.Paint(view); // the box is dragged across the board
            nested = platform.LastDrawing(view);
        }
    };
    const std::vector<CDC::TextItem> outer = Paint();
    EXPECT_EQ(platform.Trace(), (Trace{kLastRoundBox, L"paint", L"paint"}));
    EXPECT_EQ(nested, ExpectedBoard(doc));
    EXPECT_EQ(outer, nested);
}

TEST_F(LastRoundBox, IsShownOncePerViewNeverAgainInLaterGames)
{
    StartWith(13);
    Paint();
    for (const int players : {4, 2, 5}) {
        StartGame(players);
        SetUndealt(doc, 3 * players + 1);
        EXPECT_EQ(Paint(), ExpectedBoard(doc)) << players << " players";
        EXPECT_EQ(TextAt(200, 0), L"LAST ROUND!!");
    }
    EXPECT_TRUE(platform.Boxes().empty());

    // Another view of the same game has not announced it yet.
    CZintra_winView second;
    platform.CreateWindow(second);
    doc.AddView(&second);
    platform.Paint(second);
    EXPECT_EQ(platform.Boxes().size(), 1U);
}

} // namespace
