// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and accelerator commands: a new game on the same windows, the open command that
// leaves the game alone, About, Rules, Exit, and the commands the program leaves unhandled.
#include "afx/AfxRes.h"
#include "afx/CWinApp.h"
#include "res/Resource.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/Printers.h"

#include <gmock/gmock.h>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

TEST_F(ProgramTest, NewGameMidGameAsksAgainAndReusesTheWindows)
{
    ChoosePlayers(3);
    Run({}, [&] {
        CMainFrame* frame = &Frame();
        CZintra_winView* view = &View();
        CZintra_winDoc* doc = &Doc();
        platform.Click(View(), 75, 110); // draw a card
        ASSERT_EQ(Doc().m_turnPhase, PHASE_PLACE);
        platform.ClearLog();

        ChoosePlayers(5);
        platform.Command(Frame(), ID_FILE_NEW);

        EXPECT_EQ(&Frame(), frame);
        EXPECT_EQ(&View(), view);
        EXPECT_EQ(&Doc(), doc);
        EXPECT_THAT(platform.Boxes(), IsEmpty()) << "no question about the game under way";
        EXPECT_EQ(Doc().m_numPlayers, 5);
        EXPECT_EQ(Doc().m_turnPhase, PHASE_CHOOSE);
        EXPECT_EQ(Doc().UndealtCount(), DECK_SIZE);
        EXPECT_EQ(platform.WindowText(Frame()), CString("Zintra_win"));
        ASSERT_TRUE(platform.NeedsPaint(View()));
        platform.Idle();
        CDC fresh;
        View().OnDraw(&fresh);
        EXPECT_EQ(platform.LastDrawing(View()), fresh.GetTextItems());
    });
    EXPECT_THAT(dialogsShown, ElementsAre(IDD_NUMPLAYERS, IDD_NUMPLAYERS));
}

TEST_F(ProgramTest, NewGameAfterTheEndStartsAFreshOne)
{
    ChoosePlayers(2);
    Run({}, [&] {
        Doc().m_gameOver = true;
        platform.Command(Frame(), ID_FILE_NEW);
        EXPECT_FALSE(Doc().m_gameOver);
        EXPECT_EQ(Doc().UndealtCount(), DECK_SIZE);
    });
    EXPECT_EQ(dialogsShown.size(), 2U);
}

TEST_F(ProgramTest, OpeningAFileLeavesTheGameAsItWas)
{
    ChoosePlayers(4);
    Run({}, [&] {
        platform.Click(View(), 75, 110);
        const GameSnapshot before = Snapshot(Doc());

        platform.Command(Frame(), ID_FILE_OPEN); // the user cancels
        EXPECT_EQ(Snapshot(Doc()), before);
        EXPECT_EQ(platform.WindowText(Frame()), CString("Zintra_win"));

        platform.fileToOpen = CString("/home/player/notes.txt");
        platform.Command(Frame(), ID_FILE_OPEN);
        EXPECT_EQ(Snapshot(Doc()), before);
        EXPECT_EQ(platform.WindowText(Frame()), CString("notes.txt - Zintra_win"));
        EXPECT_EQ(platform.openDialogsShown, 2);

        platform.Command(Frame(), ID_FILE_NEW); // a new game drops the file's name again
        EXPECT_EQ(platform.WindowText(Frame()), CString("Zintra_win"));
    });
    EXPECT_THAT(platform.Boxes(), IsEmpty());
}

TEST_F(ProgramTest, AboutShowsItsBoxHoweverItIsClosedAndChangesNothing)
{
    ChoosePlayers(3);
    Run({}, [&] {
        const GameSnapshot before = Snapshot(Doc());
        const auto closeWith = [this](bool escape) {
            platform.whileDialogOpen = [this, escape](CWnd& dialog,
                                                      const afx::DialogResource& tmpl) {
                dialogsShown.push_back(tmpl.id);
                escape ? platform.PressEscape(dialog) : platform.PressEnter(dialog);
            };
        };
        closeWith(false);
        platform.Command(Frame(), ID_APP_ABOUT);
        closeWith(true);
        platform.Command(Frame(), ID_APP_ABOUT);
        EXPECT_EQ(Snapshot(Doc()), before);
    });
    EXPECT_THAT(dialogsShown, ElementsAre(IDD_NUMPLAYERS, IDD_ABOUTBOX, IDD_ABOUTBOX));
    EXPECT_THAT(platform.DialogResults(), ElementsAre(IDOK, IDOK, IDCANCEL));
}

TEST_F(ProgramTest, RulesShowTheWholeRulesTextWithTheInformationIcon)
{
    ChoosePlayers(3);
    CString rules;
    Run({}, [&] {
        rules.LoadString(IDS_RULES);
        const GameSnapshot before = Snapshot(Doc());
        platform.Command(Frame(), ID_HELP_RULES);
        platform.Command(Frame(), ID_HELP_RULES);
        EXPECT_EQ(Snapshot(Doc()), before);
    });
    ASSERT_FALSE(rules.IsEmpty());
    const std::vector<HeadlessPlatform::Event> boxes = platform.Boxes();
    ASSERT_EQ(boxes.size(), 2U);
    for (const HeadlessPlatform::Event& box : boxes) {
        EXPECT_EQ(box.type, MB_OK | MB_ICONINFORMATION);
        EXPECT_EQ(box.helpContext, 0U);
        EXPECT_EQ(box.caption, CString("Zintra_win"));
        EXPECT_EQ(box.text, rules);
    }
}

TEST_F(ProgramTest, ExitAndTheCloseBoxEndTheProgramWithoutAQuestion)
{
    for (const bool useCloseBox : {false, true}) {
        ChoosePlayers(2);
        const int exitCode = Run({}, [&] {
            platform.Click(View(), 75, 110); // a game under way
            useCloseBox ? platform.CloseBox(Frame()) : platform.Command(Frame(), ID_APP_EXIT);
            EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
            EXPECT_EQ(platform.WindowCount(), 0) << "the frame and its children are gone";
            EXPECT_EQ(platform.QuitCode(), 0);
        });
        EXPECT_EQ(exitCode, 0);
        EXPECT_THAT(platform.Boxes(), IsEmpty());
        EXPECT_EQ(dialogsShown.size(), 1U);
        dialogsShown.clear();
    }
}

TEST_F(ProgramTest, AcceleratorsWithoutAHandlerChangeNothing)
{
    ChoosePlayers(4);
    Run({}, [&] {
        platform.Click(View(), 75, 110);
        const GameSnapshot before = Snapshot(Doc());
        platform.ClearLog();
        for (const UINT id : {ID_FILE_SAVE, ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                              ID_NEXT_PANE, ID_PREV_PANE}) {
            platform.Command(Frame(), id);
        }
        EXPECT_EQ(Snapshot(Doc()), before);
        // Each goes on to the toolkit's default handling, and nothing else happens.
        EXPECT_THAT(platform.Trace(), testing::Each(std::wstring(L"default 0x0111")));
        EXPECT_EQ(platform.Trace().size(), 7U);
        EXPECT_NE(AfxGetApp()->m_pMainWnd, nullptr);
    });
    EXPECT_EQ(dialogsShown.size(), 1U);
}

TEST_F(ProgramTest, EveryCommandOfTheProgramIsResolvedInTheProgramsMap)
{
    Run({}, [] {
        const CCmdTarget* const others[] = {&Frame(), &View(), &Doc()};
        for (const UINT id : {ID_APP_ABOUT, ID_FILE_NEW, ID_HELP_RULES, ID_FILE_OPEN}) {
            EXPECT_NE(AfxGetApp()->FindMessageEntry(WM_COMMAND, CN_COMMAND, id), nullptr) << id;
            for (const CCmdTarget* target : others) {
                EXPECT_EQ(target->FindMessageEntry(WM_COMMAND, CN_COMMAND, id), nullptr) << id;
            }
        }
    });
}

} // namespace
