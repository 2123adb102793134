// SPDX-License-Identifier: GPL-3.0-or-later
// Playing against the computer, the whole program on the headless platform: its clock moves
// only when a test moves it, so each pause before a computer's step can be seen to the
// millisecond, and boxes can be held open while time passes.
#include "afx/AfxRes.h"
#include "ai/ComputerPlayer.h"
#include "ai/PlayStep.h"
#include "res/Resource.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/Printers.h"
#include "view/BoardLayout.h"

#include <gmock/gmock.h>

#include <random>

namespace {

constexpr UINT kPace = 700;
constexpr unsigned kSeed = 31;

// The person's choice among the steps the rules allow, from the test's own generator.
Step PersonsStep(const GameRules& game, std::mt19937& choices)
{
    const StepList legal = LegalSteps(Observe(game));
    return legal.steps.at(choices() % static_cast<unsigned>(legal.count));
}

CPoint ClickOf(Step step)
{
    return step.kind == StepKind::Draw ? board::DeckClick() : board::RowClick(step.row);
}

class ComputerPlayersTest : public ProgramTest {
protected:
    // The pause of the board's computer timer; none while it does not run.
    std::optional<UINT> Pause() { return platform.TimerInterval(View(), ComputerTurns::TIMER_ID); }

    void Click(CPoint point) { platform.Click(View(), point.x, point.y); }

    // The person in seat 1 plays one step.
    void PersonPlays(std::mt19937& choices)
    {
        ASSERT_EQ(Doc().m_currentPlayer, 0);
        Click(ClickOf(PersonsStep(Doc(), choices)));
        platform.Idle();
    }

    // Time passes up to the end of the pause before a computer's step: the step comes exactly
    // when the pause is over, and the board paints it.
    void ComputerPlays()
    {
        const GameSnapshot before = Snapshot(Doc());
        ASSERT_EQ(Pause(), kPace);
        platform.AdvanceTime(kPace - 1);
        ASSERT_EQ(Snapshot(Doc()), before) << "a step before its pause was over";
        platform.AdvanceTime(1);
        ASSERT_NE(Snapshot(Doc()), before) << "no step when the pause was over";
        platform.Idle();
    }

    // The board in the middle of a computer's turn: a person's click on the deck, on every row
    // and every board key do nothing, and no box says why.
    void PersonsClicksAreNotMoves()
    {
        const GameSnapshot before = Snapshot(Doc());
        const std::size_t boxes = platform.Boxes().size();
        Click(board::DeckClick());
        for (int row = 0; row < board::kRowBands; ++row) {
            Click(board::RowClick(row));
        }
        for (const UINT key : {UINT{VK_SPACE}, UINT{'D'}, UINT{'1'}, UINT{'3'}}) {
            platform.KeyDown(View(), key);
        }
        EXPECT_EQ(Snapshot(Doc()), before);
        EXPECT_EQ(platform.Boxes().size(), boxes);
    }

    // The texts of the boxes shown so far.
    std::vector<std::wstring> BoxTexts() const
    {
        std::vector<std::wstring> texts;
        for (const HeadlessPlatform::Event& box : platform.Boxes()) {
            texts.emplace_back(box.text.GetString());
        }
        return texts;
    }
};

TEST_F(ComputerPlayersTest, ASoloGameAgainstTwoComputersPlaysToTheResults)
{
    ChoosePlayers(3);
    const std::vector<std::string> arguments{"--seed", std::to_string(kSeed), "--computer", "2-3",
                                             "--pace", std::to_string(kPace)};
    std::mt19937 choices(kSeed);
    int computerSteps = 0;
    std::vector<CString> computersShown;
    Run(arguments, [&] {
        EXPECT_EQ(Panes().at(0), CString("Ready"));
        EXPECT_EQ(Pause(), std::nullopt) << "seat 1 is the person's";
        for (int steps = 0; !Doc().m_gameOver && steps < 500; ++steps) {
            if (Doc().m_currentPlayer == 0) {
                EXPECT_EQ(Panes().at(0), CString("Ready"));
                PersonPlays(choices);
                continue;
            }
            computersShown.push_back(Panes().at(0));
            PersonsClicksAreNotMoves();
            ComputerPlays();
            ++computerSteps;
        }
        EXPECT_TRUE(Doc().m_gameOver);
        EXPECT_EQ(Pause(), std::nullopt);
        EXPECT_EQ(Panes().at(0), CString("Ready"));
    });

    EXPECT_GT(computerSteps, 20);
    EXPECT_THAT(computersShown, testing::Contains(CString("Player #2 (computer) is playing")));
    EXPECT_THAT(computersShown, testing::Contains(CString("Player #3 (computer) is playing")));
    EXPECT_THAT(computersShown,
                testing::Each(testing::AnyOf(CString("Player #2 (computer) is playing"),
                                             CString("Player #3 (computer) is playing"))));
    // The last round's box and the results, and no refusal: a computer never tries a move the
    // rules refuse.
    const std::vector<std::wstring> boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_EQ(boxes.front(), L"This will be the last round!");
    EXPECT_TRUE(boxes.back().starts_with(L"Final Scores\nPlayer #1: ")) << boxes.back();
}

TEST_F(ComputerPlayersTest, AGameOfComputersAloneReplaysFromItsSeed)
{
    ChoosePlayers(4);
    GameSnapshot played{};
    Run({"--computer", "1-5", "--pace", "0", "--level", "easy", "--seed", std::to_string(kSeed)},
        [&] {
            for (int ticks = 0; !Doc().m_gameOver && ticks < 1000; ++ticks) {
                platform.AdvanceTime(1);
                platform.Idle();
            }
            played = Snapshot(Doc());
        });
    ASSERT_TRUE(played.gameOver);
    const std::vector<std::wstring> boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 2U);
    EXPECT_TRUE(boxes.back().starts_with(L"Final Scores\n")) << boxes.back();

    // The same deal, each step chosen as the seed says: the same game to the end.
    GameRules replay;
    {
        const FixedSeed deal(kSeed);
        replay.NewGame(4);
    }
    while (!replay.m_gameOver) {
        const Observation table = Observe(replay);
        ASSERT_GE(PlayStep(replay, ChooseStep(Level::Easy, table, StepSeed(kSeed, table))), 0);
    }
    EXPECT_EQ(Snapshot(replay), played);
}

TEST_F(ComputerPlayersTest, ComputersWaitWhileABoxOrADialogIsOpen)
{
    ChoosePlayers(2);
    std::mt19937 choices(kSeed);
    Run({"--computer", "2"}, [&] {
        while (Doc().m_currentPlayer == 0) {
            PersonPlays(choices);
        }
        const GameSnapshot pending = Snapshot(Doc());

        // The rules box stays open for a long time; nothing moves meanwhile.
        platform.whileBoxOpen = [&](const HeadlessPlatform::Event& /*box*/) {
            platform.AdvanceTime(10 * kPace);
            EXPECT_EQ(Snapshot(Doc()), pending) << "a step while the rules were open";
        };
        platform.Command(Frame(), ID_HELP_RULES);
        platform.whileBoxOpen = nullptr;
        // The About box, a dialog, likewise.
        int dialogs = 0;
        platform.whileDialogOpen = [&](CWnd& dialog, const afx::DialogResource& /*tmpl*/) {
            ++dialogs;
            platform.AdvanceTime(10 * kPace);
            EXPECT_EQ(Snapshot(Doc()), pending) << "a step while the About box was open";
            platform.PressEnter(dialog);
        };
        platform.Command(Frame(), ID_APP_ABOUT);
        EXPECT_EQ(dialogs, 1);

        // Once the box has gone, the whole pause comes again before the step.
        platform.AdvanceTime(kPace);
        EXPECT_EQ(Snapshot(Doc()), pending) << "no pause after the box closed";
        platform.AdvanceTime(100);
        EXPECT_NE(Snapshot(Doc()), pending);
    });
}

TEST_F(ComputerPlayersTest, NewGameDropsTheStepAComputerHadPending)
{
    ChoosePlayers(3);
    std::mt19937 choices(kSeed);
    Run({"--computer", "2-3", "--pace", std::to_string(kPace)}, [&] {
        // On until a computer has drawn: its placement is pending when File > New comes.
        for (int steps = 0;
             steps < 100 && (Doc().m_currentPlayer == 0 || Doc().m_turnPhase != PHASE_PLACE);
             ++steps) {
            if (Doc().m_currentPlayer == 0) {
                PersonPlays(choices);
            } else {
                platform.AdvanceTime(kPace);
                platform.Idle();
            }
        }
        ASSERT_NE(Doc().m_currentPlayer, 0);
        ASSERT_EQ(Doc().m_turnPhase, PHASE_PLACE);
        const GameSnapshot drawn = Snapshot(Doc());
        platform.whileDialogOpen = [&](CWnd& dialog, const afx::DialogResource& /*tmpl*/) {
            platform.AdvanceTime(10 * kPace);
            EXPECT_EQ(Snapshot(Doc()), drawn) << "a step while the players were asked for";
            platform.ClickDialogButton(dialog, IDC_PLAYERS_3);
            platform.PressEnter(dialog);
        };
        platform.Command(Frame(), ID_FILE_NEW);

        // A fresh game, seat 1 to move: nothing of the old turn lands on it.
        EXPECT_EQ(Doc().UndealtCount(), DECK_SIZE);
        EXPECT_EQ(Pause(), std::nullopt);
        EXPECT_EQ(Panes().at(0), CString("Ready"));
        const GameSnapshot fresh = Snapshot(Doc());
        EXPECT_EQ(platform.AdvanceTime(10 * kPace), 0);
        EXPECT_EQ(Snapshot(Doc()), fresh);
    });
}

TEST_F(ComputerPlayersTest, ExitDuringAComputersTurnEndsItsPause)
{
    ChoosePlayers(2);
    std::mt19937 choices(kSeed);
    const int exitCode = Run({"--computer", "2"}, [&] {
        while (Doc().m_currentPlayer == 0) {
            PersonPlays(choices);
        }
        ASSERT_EQ(Pause(), ComputerPlayers::DEFAULT_PACE);
        platform.Command(Frame(), ID_APP_EXIT);
        EXPECT_EQ(platform.TimerCount(), 0);
        EXPECT_EQ(platform.AdvanceTime(10 * kPace), 0);
    });
    EXPECT_EQ(exitCode, 0);
}

TEST_F(ComputerPlayersTest, WithoutComputersNoPauseEverRuns)
{
    ChoosePlayers(2);
    std::mt19937 choices(kSeed);
    Run({}, [&] {
        for (int steps = 0; !Doc().m_gameOver && steps < 500; ++steps) {
            const GameSnapshot before = Snapshot(Doc());
            Click(ClickOf(PersonsStep(Doc(), choices)));
            EXPECT_NE(Snapshot(Doc()), before);
            EXPECT_EQ(platform.TimerCount(), 0);
            EXPECT_EQ(Panes().at(0), CString("Ready"));
            platform.Idle();
        }
        EXPECT_TRUE(Doc().m_gameOver);
    });
}

} // namespace
