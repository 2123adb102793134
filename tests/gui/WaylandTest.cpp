// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a Wayland desktop, with no X server at all: under a headless Weston of the
// test's own it shows its players dialog natively, under the name of its desktop entry, says
// nothing, and ends at once when the session ends it.
#include "tests/gui/OnScreenFixture.h"
#include "tests/gui/WestonServer.h"

#include <csignal>
#include <unistd.h>

namespace {

struct Desktop {
    const char* name;
    // What the session tells Qt besides the compositor; "NAME" alone unsets a variable.
    std::vector<std::string> environment;
};

const Desktop kDesktops[] = {
    // Qt told which platform to use, as a user may tell it.
    {"PlatformNamed", {"QT_QPA_PLATFORM=wayland", "XDG_SESSION_TYPE"}},
    // Qt left to choose, as in a Wayland session: it takes the compositor it finds.
    {"PlatformChosenByQt", {"QT_QPA_PLATFORM", "XDG_SESSION_TYPE=wayland"}},
};

class WaylandTest : public testing::TestWithParam<Desktop> {};

TEST_P(WaylandTest, ShowsThePlayersDialogUnderItsDesktopNameSaysNothingAndEndsOnSigterm)
{
    const WestonServer weston;
    ChildProcess::Options options;
    options.environment = weston.ClientEnvironment();
    const std::vector<std::string>& desktop = GetParam().environment;
    options.environment.insert(options.environment.end(), desktop.begin(), desktop.end());
    const std::vector<std::string> sanitizers = SanitizerEnvironment();
    options.environment.insert(options.environment.end(), sanitizers.begin(), sanitizers.end());
    const std::string output =
        testing::TempDir() + "zintra_win-wayland-" + std::to_string(getpid()) + ".log";
    options.outputFile = output;
    ChildProcess program({ZINTRA_WIN_PROGRAM}, options);

    // The compositor knows the dialog's window by its title and the program by the name of
    // its desktop entry.
    const std::string dialog = "top-level window 'Number of Players' of " ZINTRA_APP_ID;
    std::string scene;
    EXPECT_TRUE(Eventually(
        [&] {
            scene = weston.SceneGraph();
            return scene.find(dialog) != std::string::npos || program.HasEnded();
        },
        15s));
    EXPECT_NE(scene.find(dialog), std::string::npos) << "no dialog on the compositor; it shows:\n"
                                                     << scene << "\nThe program said:\n"
                                                     << ReadWholeFile(output);

    ASSERT_EQ(kill(program.Pid(), SIGTERM), 0);
    const std::optional<int> status = program.Wait(15s);
    ASSERT_TRUE(status.has_value()) << "the program did not end on SIGTERM";
    EXPECT_TRUE(*status == 0 || *status == 128 + SIGTERM)
        << "it ended with " << *status << " rather than at the signal's word";
    EXPECT_EQ(ReadWholeFile(output), "") << "it printed something";
    std::remove(output.c_str());
}

INSTANTIATE_TEST_SUITE_P(Sessions, WaylandTest, testing::ValuesIn(kDesktops),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
