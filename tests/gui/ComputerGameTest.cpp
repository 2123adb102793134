// SPDX-License-Identifier: GPL-3.0-or-later
// A person alone against two computers, on screen: the person clicks for seat 1, the computers
// answer at once (no pause), and the game, replayed in this process from the same seed, says
// which boxes come and what the board shows whenever the person is to move.
#include "ai/ComputerPlayer.h"
#include "tests/gui/OnScreenFixture.h"

#include <random>

namespace {

constexpr unsigned kSeed = 58;

QPoint PointOf(Step step)
{
    return step.kind == StepKind::Draw ? DeckPoint() : RowPoint(step.row);
}

TEST_F(OnScreenTest, ASoloGameAgainstTwoComputersIsPlayedToTheResults)
{
    ASSERT_NE(StartGame(3, {"--seed", std::to_string(kSeed), "--computer", "2-3", "--pace", "0"}),
              0U);
    BoardModel model(3, kSeed);
    std::mt19937 choices(kSeed);
    std::vector<std::wstring> shown;
    int personsSteps = 0;
    // Far more steps than any game has, so that a game that never ends fails, not hangs.
    for (int steps = 0; !model.Doc().m_gameOver && steps < 500; ++steps) {
        const Observation table = Observe(model.Doc());
        const bool persons = model.Doc().m_currentPlayer == 0;
        if (persons) {
            // The computers have played up to the person's turn, and stopped there.
            ASSERT_TRUE(ShowsBoard(model)) << "at step " << steps;
            ASSERT_TRUE(OtherWindows().empty()) << "at step " << steps;
        }
        const StepList legal = LegalSteps(table);
        const Step step = persons ? legal.steps.at(choices() % static_cast<unsigned>(legal.count))
                                  : ChooseStep(Level::Normal, table, StepSeed(kSeed, table));
        const std::vector<std::wstring> boxes = model.Click(PointOf(step));
        if (persons) {
            ClickBoard(PointOf(step));
            ++personsSteps;
        }
        for (const std::wstring& text : boxes) {
            const std::optional<XWindowId> box = WaitForBox();
            ASSERT_TRUE(box.has_value() && CloseBoxWithReturn(*box))
                << "the box \"" << QString::fromStdWString(text).toStdString()
                << "\" did not show and close";
            shown.push_back(text);
        }
    }
    ASSERT_TRUE(model.Doc().m_gameOver);
    EXPECT_GT(personsSteps, 5);
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown.front(), L"This will be the last round!");
    EXPECT_NE(shown.back().find(L"Final Scores"), std::wstring::npos) << "not the results";
    EXPECT_TRUE(ShowsBoard(model));
    EXPECT_TRUE(OtherWindows().empty());

    // File > Exit by the keyboard: Alt+F opens the menu, X picks "E&xit".
    ASSERT_TRUE(Xdo().Focus(MainWindow()));
    ASSERT_TRUE(Xdo().Key("alt+f"));
    ASSERT_TRUE(Eventually([&] { return X().ShownTopLevels().size() == 2; }, kPatience))
        << "the File menu did not open";
    ASSERT_TRUE(Xdo().Key("x"));
    EXPECT_EQ(WaitForExit(kPatience), std::optional<int>(0));
}

} // namespace
