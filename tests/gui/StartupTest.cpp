// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program: the number of players is asked for, in a dialog centred on the screen,
// before the main window shows; the board then shows the game for the players chosen.
#include "tests/gui/OnScreenFixture.h"

namespace {

// Without a window manager a window has no frame, yet Qt centres a dialog that has no parent
// as if it had one of up to this size (its guess at a title bar and borders).
constexpr int kFrameAllowanceX = 10;
constexpr int kFrameAllowanceY = 40;

TEST_F(OnScreenTest, AsksForThePlayersFirstInADialogCentredOnTheScreen)
{
    // Every window the program shows is seen, however briefly.
    X().WatchMaps();
    Launch({});
    const XWindowId dialog = WaitForPlayersDialog();
    ASSERT_NE(dialog, 0U);
    // Nothing else shows while the dialog waits for its answer.
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(X().MappedWindows(), std::vector<XWindowId>{dialog});

    // Centred: as much room on either side of it, give or take that allowance on each side.
    const QRect shown = Xdo().Geometry(dialog);
    const int left = shown.x();
    const int right = XServer::kScreenWidth - (shown.x() + shown.width());
    const int top = shown.y();
    const int bottom = XServer::kScreenHeight - (shown.y() + shown.height());
    EXPECT_LE(std::abs(left - right), 2 * kFrameAllowanceX)
        << "left " << left << ", right " << right;
    EXPECT_LE(std::abs(top - bottom), 2 * kFrameAllowanceY)
        << "top " << top << ", bottom " << bottom;

    // Answered at once with Enter, the dialog leaves no choice made: a game for two. Only
    // then does the main window show.
    ASSERT_TRUE(Xdo().Focus(dialog));
    ASSERT_TRUE(Xdo().Key("Return"));
    const XWindowId main = WaitForMainWindow();
    ASSERT_NE(main, 0U);
    EXPECT_EQ(X().MappedWindows(), (std::vector<XWindowId>{dialog, main}));
    // The opening board shows no card, so it does not depend on the deal.
    EXPECT_TRUE(ShowsBoard(BoardModel(2, 1)));
}

TEST_F(OnScreenTest, ThreePlayersClickedInTheDialogGetABoardOfThree)
{
    Launch({});
    ASSERT_NE(ChoosePlayers(WaitForPlayersDialog(), 3), 0U);
    EXPECT_TRUE(ShowsBoard(BoardModel(3, 1)));
    EXPECT_TRUE(OtherWindows().empty());
}

} // namespace
