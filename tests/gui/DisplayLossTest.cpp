// SPDX-License-Identifier: GPL-3.0-or-later
// The X server goes away under the program, killed or shut down, whatever the program is doing:
// it ends with status 1 and says why in one line, without crashing on its way out.
#include "tests/gui/OnScreenFixture.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

namespace {

enum class Moment { PlayersDialog, MidGame, BoxOpen };

struct Loss {
    const char* name;
    int signal;
};

const Loss kKilled{"Killed", SIGKILL};
const Loss kShutDown{"ShutDown", SIGTERM};

class DisplayLoss : public OnScreenTest,
                    public testing::WithParamInterface<std::tuple<Moment, Loss>> {
protected:
    void SetUp() override
    {
        OnScreenTest::SetUp();
        // A runtime folder of its own, so that Qt has nothing to say at start-up and every
        // line of the output is the program's.
        std::string pattern = testing::TempDir() + "zintra_win-runtime-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_runtimeFolder = pattern;
    }
    void TearDown() override
    {
        OnScreenTest::TearDown();
        if (!m_runtimeFolder.empty()) {
            std::filesystem::remove_all(m_runtimeFolder);
        }
    }

    Surroundings WithRuntimeFolder() const { return {{"XDG_RUNTIME_DIR=" + m_runtimeFolder}, {}}; }

private:
    std::string m_runtimeFolder;
};

TEST_P(DisplayLoss, EndsWithStatusOneAndOneLine)
{
    const auto [moment, loss] = GetParam();
    Launch({"--seed", "17"}, WithRuntimeFolder());
    const XWindowId dialog = WaitForPlayersDialog();
    ASSERT_NE(dialog, 0U);
    if (moment != Moment::PlayersDialog) {
        ASSERT_NE(ChoosePlayers(dialog, 3), 0U);
        BoardModel model(3, 17);
        ASSERT_TRUE(ShowsBoard(model));
        // A card drawn and placed; then, for the box, taking a row that has no card yet.
        for (const QPoint point : {DeckPoint(), RowPoint(0)}) {
            ASSERT_TRUE(model.Click(point).empty());
            ClickBoard(point);
            ASSERT_TRUE(ShowsBoard(model));
        }
        if (moment == Moment::BoxOpen) {
            ASSERT_FALSE(model.Click(RowPoint(2)).empty());
            ClickBoard(RowPoint(2));
            ASSERT_TRUE(WaitForBox().has_value()) << "no box showed";
        }
    }

    KillServer(loss.signal);
    const std::optional<int> exitCode = WaitForExit(kPatience);
    ASSERT_TRUE(exitCode.has_value()) << "the program went on without its display";
    EXPECT_EQ(*exitCode, 1) << "128 and more: a signal ended it";
    EXPECT_EQ(ProgramOutput(), "zintra_win: lost the connection to the display\n");
}

std::string NameOf(const testing::TestParamInfo<std::tuple<Moment, Loss>>& info)
{
    const auto [moment, loss] = info.param;
    switch (moment) {
    case Moment::PlayersDialog:
        return std::string(loss.name) + "WithThePlayersDialog";
    case Moment::MidGame:
        return std::string(loss.name) + "MidGame";
    case Moment::BoxOpen:
        return std::string(loss.name) + "WithABoxOpen";
    }
    return loss.name;
}

INSTANTIATE_TEST_SUITE_P(Moments, DisplayLoss,
                         testing::Combine(testing::Values(Moment::PlayersDialog, Moment::MidGame,
                                                          Moment::BoxOpen),
                                          testing::Values(kKilled, kShutDown)),
                         NameOf);

} // namespace
