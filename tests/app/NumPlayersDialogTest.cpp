// SPDX-License-Identifier: GPL-3.0-or-later
// The "Number of Players" dialog and the new-game step that reads it: the last click counts,
// every way of closing keeps it, and no click at all makes a game for two.
#include "afx/CWinApp.h"
#include "res/Resource.h"
#include "tests/app/ProgramFixture.h"

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

enum class Ending { Ok, Escape };

struct DialogCase {
    const char* name;
    std::vector<int> clicks; // button counts, in order
    Ending ending;
    int result;
    int players;
};

class NumPlayersDialogTest : public ProgramTest, public testing::WithParamInterface<DialogCase> {};

TEST_P(NumPlayersDialogTest, TheLastClickCountsHoweverTheDialogEnds)
{
    const DialogCase& test = GetParam();
    std::vector<int> checkedAtOpen;
    std::vector<int> checkedAtEnd;
    platform.whileDialogOpen = [&](CWnd& dialog, const afx::DialogResource&) {
        checkedAtOpen = platform.CheckedButtons(dialog);
        for (const int count : test.clicks) {
            platform.ClickDialogButton(dialog, IDC_PLAYERS_2 + (count - 2));
        }
        checkedAtEnd = platform.CheckedButtons(dialog);
        test.ending == Ending::Ok ? platform.PressEnter(dialog) : platform.PressEscape(dialog);
    };
    int players = 0;
    Run({}, [&] { players = Doc().m_numPlayers; });

    EXPECT_EQ(players, test.players);
    EXPECT_THAT(platform.DialogResults(), ElementsAre(test.result));
    EXPECT_THAT(checkedAtOpen, IsEmpty());
    if (test.clicks.empty()) {
        EXPECT_THAT(checkedAtEnd, IsEmpty());
    } else {
        EXPECT_THAT(checkedAtEnd, ElementsAre(IDC_PLAYERS_2 + (test.clicks.back() - 2)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, NumPlayersDialogTest,
    testing::Values(DialogCase{"OkAtOnce", {}, Ending::Ok, IDOK, 2},
                    DialogCase{"EscapeAtOnce", {}, Ending::Escape, IDCANCEL, 2},
                    DialogCase{"FiveThenThree", {5, 3}, Ending::Ok, IDOK, 3},
                    DialogCase{"FourThenEscape", {4}, Ending::Escape, IDCANCEL, 4},
                    DialogCase{"Two", {2}, Ending::Ok, IDOK, 2},
                    DialogCase{"FiveTwice", {5, 5}, Ending::Escape, IDCANCEL, 5}),
    [](const testing::TestParamInfo<DialogCase>& test) { return test.param.name; });

TEST_F(ProgramTest, EachGameAsksAfreshWithNoButtonChecked)
{
    std::vector<std::vector<int>> checkedAtOpen;
    int nextCount = 5;
    platform.whileDialogOpen = [&](CWnd& dialog, const afx::DialogResource&) {
        checkedAtOpen.push_back(platform.CheckedButtons(dialog));
        platform.ClickDialogButton(dialog, IDC_PLAYERS_2 + (nextCount - 2));
        platform.PressEnter(dialog);
    };
    std::vector<int> players;
    Run({}, [&] {
        players.push_back(Doc().m_numPlayers);
        nextCount = 3;
        platform.Command(Frame(), ID_FILE_NEW);
        players.push_back(Doc().m_numPlayers);
        // A dialog closed at once does not carry the last game's count over.
        platform.whileDialogOpen = [&](CWnd& dialog, const afx::DialogResource&) {
            checkedAtOpen.push_back(platform.CheckedButtons(dialog));
            platform.PressEnter(dialog);
        };
        platform.Command(Frame(), ID_FILE_NEW);
        players.push_back(Doc().m_numPlayers);
    });
    EXPECT_THAT(players, ElementsAre(5, 3, 2));
    EXPECT_THAT(checkedAtOpen, ElementsAre(IsEmpty(), IsEmpty(), IsEmpty()));
}

TEST_F(ProgramTest, TheNewGameStepClearsTheTitle)
{
    Run({}, [&] {
        Doc().SetTitle(L"Old game");
        EXPECT_EQ(platform.WindowText(Frame()), CString("Old game - Zintra_win"));
        platform.Command(Frame(), ID_FILE_NEW);
        EXPECT_TRUE(Doc().GetTitle().IsEmpty());
        EXPECT_EQ(platform.WindowText(Frame()), CString("Zintra_win"));
    });
}

} // namespace
