// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program: the players are asked for before the main window shows, the command
// line's seed deals every game, and a start-up that cannot make its windows ends.
#include "afx/CDocTemplate.h"
#include "afx/CWinApp.h"
#include "res/Resource.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/GameFixtures.h"

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

TEST_F(ProgramTest, AsksForThePlayersBeforeTheMainWindowShowsThenShowsTheBoard)
{
    bool frameHiddenDuringDialog = false;
    platform.whileDialogOpen = [&](CWnd& dialog, const afx::DialogResource& tmpl) {
        dialogsShown.push_back(tmpl.id);
        const CFrameWnd* frame = AfxGetApp()->GetDocTemplate()->GetFrame();
        frameHiddenDuringDialog = frame != nullptr && platform.FindWindow(*frame) != nullptr &&
                                  !platform.IsVisible(*frame);
        platform.ClickDialogButton(dialog, IDC_PLAYERS_3);
        platform.PressEnter(dialog);
    };
    bool ran = false;
    const int exitCode = Run({}, [&] {
        ran = true;
        EXPECT_TRUE(platform.IsVisible(Frame()));
        EXPECT_EQ(Doc().m_numPlayers, 3);
        // Painted before the loop started, and showing the game as it stands.
        EXPECT_FALSE(platform.NeedsPaint(View()));
        CDC fresh;
        View().OnDraw(&fresh);
        EXPECT_EQ(platform.LastDrawing(View()), fresh.GetTextItems());
        EXPECT_EQ(platform.WindowText(Frame()), CString("Zintra_win"));
        EXPECT_THAT(Panes(), ElementsAre(CString("Ready"), CString(), CString(), CString()));
    });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(frameHiddenDuringDialog);
    EXPECT_THAT(dialogsShown, ElementsAre(IDD_NUMPLAYERS));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(platform.WindowCount(), 0);
}

TEST_F(ProgramTest, ASeedDealsEveryGameOfTheRunTheSameWay)
{
    ChoosePlayers(4);
    std::vector<GameSnapshot> games;
    const auto playTwoGames = [&] {
        games.push_back(Snapshot(Doc()));
        platform.Command(Frame(), ID_FILE_NEW);
        games.push_back(Snapshot(Doc()));
    };
    Run({"--seed", "77"}, playTwoGames);
    Run({"--seed=77"}, playTwoGames);
    Run({"--seed", "78"}, playTwoGames);
    ASSERT_EQ(games.size(), 6U);
    EXPECT_EQ(games[0], games[1]);
    EXPECT_EQ(games[0], games[2]);
    EXPECT_EQ(games[0], games[3]);
    EXPECT_NE(games[0].deck, games[4].deck);
    EXPECT_EQ(games[4], games[5]);
}

TEST_F(ProgramTest, AFrameThatCannotBeMadeEndsTheStartWithoutAsking)
{
    ChoosePlayers(3);
    platform.frameCreationFails = true;
    EXPECT_EQ(Run({}, [] { ADD_FAILURE() << "the loop ran"; }), 1);
    EXPECT_THAT(dialogsShown, IsEmpty());
    EXPECT_EQ(platform.WindowCount(), 0);
}

TEST_F(ProgramTest, AStatusBarThatCannotBeMadeTakesItsFrameDownWithIt)
{
    ChoosePlayers(3);
    platform.statusBarCreationFails = true;
    EXPECT_EQ(Run({}, [] { ADD_FAILURE() << "the loop ran"; }), 1);
    EXPECT_THAT(dialogsShown, IsEmpty());
    EXPECT_EQ(platform.WindowCount(), 0);
}

TEST_F(ProgramTest, ADialogThatCannotBeShownStartsAGameForTwo)
{
    platform.dialogCreationFails = true;
    int players = 0;
    EXPECT_EQ(Run({}, [&] { players = Doc().m_numPlayers; }), 0);
    EXPECT_EQ(players, 2);
}

} // namespace
