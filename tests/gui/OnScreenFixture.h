// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the whole program on a virtual X server of their own: the program is started as a
// user would start it, driven with xdotool's mouse and keyboard, and judged by what its
// windows show. Everything a test starts is ended with the test, whether it passes or not.
#pragma once

#include "tests/gui/BoardModel.h"
#include "tests/gui/XConnection.h"
#include "tests/gui/XServer.h"
#include "tests/gui/XdoTool.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace std::chrono_literals;

class OnScreenTest : public testing::Test {
protected:
    // The longest any single step may take before the test gives up on it: generous, since
    // tests run side by side with the rest of the suite.
    static constexpr std::chrono::milliseconds kPatience = 15s;

    OnScreenTest() = default;
    // A test on a screen `screen` pixels large, whose program starts with `environment` too
    // ("NAME=value" entries).
    explicit OnScreenTest(QSize screen, std::vector<std::string> environment = {})
        : m_screenSize(screen)
        , m_environment(std::move(environment))
    {}

    void SetUp() override;
    void TearDown() override;

    // What the program starts with besides its arguments.
    struct Surroundings {
        // Extra or replaced environment variables, "NAME=value"; "NAME" alone removes one.
        std::vector<std::string> environment;
        // Where it starts; empty: where the test is.
        std::string workingDirectory;
    };

    // Starts the program with `arguments` after its name.
    void Launch(const std::vector<std::string>& arguments, const Surroundings& surroundings = {});
    // The program's exit code once it has ended; none if it still runs after `timeout`.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    // Everything the program has written to stdout and stderr so far.
    std::string ProgramOutput() const;
    // The X server goes away with `signal` under the running program. The test's own
    // connection and xdotool go first, since they cannot be used any more.
    void KillServer(int signal);

    // The "Number of Players" dialog, once it shows; fails the test if it does not.
    XWindowId WaitForPlayersDialog();
    // Clicks the radio button for `players` in the open dialog, near the far end of its
    // rectangle rather than on its label, then OK; waits until the dialog has gone and returns
    // the main window on show.
    XWindowId ChoosePlayers(XWindowId dialog, int players);
    // Once the dialog has been answered: waits until it has gone and returns the main window.
    XWindowId WaitForMainWindow();
    // Starts the program and answers its dialog with `players`; the board is then on screen.
    XWindowId StartGame(int players, const std::vector<std::string>& arguments);

    // The windows on show other than the main window (popups included).
    std::vector<XWindowId> OtherWindows();
    // Waits for a message box (a window captioned "Zintra_win" that is not the main one).
    std::optional<XWindowId> WaitForBox();
    // Focuses the box, presses Return and waits until it has gone.
    bool CloseBoxWithReturn(XWindowId box);

    // Releases the left button at `point` of the board.
    void ClickBoard(QPoint point);
    // Clicks at `point` of the main window.
    void ClickMainWindow(QPoint point);

    // What the main window shows.
    QImage GrabMainWindow();
    // Waits until the board on screen is `model`'s, pixel for pixel. The first call finds
    // where the board lies in the main window (below its menu bar) and later calls insist on
    // the same place.
    testing::AssertionResult ShowsBoard(const BoardModel& model,
                                        std::chrono::milliseconds timeout = kPatience);
    // The same, but for what `cover` (a window, in screen coordinates) hides of the board.
    testing::AssertionResult ShowsBoardAround(const BoardModel& model, const QRect& cover);
    // The board's origin in the main window, once ShowsBoard has found it.
    QPoint BoardOrigin() const { return m_boardOrigin.value_or(QPoint()); }
    // How much of the board is compared: everything that is ever drawn on it.
    QSize BoardSize();

    // Waits until the main window shows something other than `before`.
    std::optional<QImage> WaitForChange(const QImage& before);

    QSize ScreenSize() const { return m_screenSize; }
    // The test's X server, as DISPLAY names it.
    const std::string& DisplayName() const { return m_server->DisplayName(); }
    XdoTool& Xdo() { return *m_xdo; }
    XConnection& X() { return *m_x; }
    XWindowId MainWindow() const { return m_main; }

    // Saves the images beside the test's output and says where, for a failure message.
    static std::string SaveForInspection(const std::string& name, const QImage& expected,
                                         const QImage& actual);

private:
    // Where the main window is on the screen; empty while it is not on show.
    QRect MainWindowRect();
    testing::AssertionResult ShowsBoardExcept(const BoardModel& model, const QRect& cover,
                                              std::chrono::milliseconds timeout);

    QSize m_screenSize{XServer::kScreenWidth, XServer::kScreenHeight};
    std::vector<std::string> m_environment;

    // Declared in the order they start; torn down in reverse, the program first.
    std::unique_ptr<XServer> m_server;
    std::unique_ptr<XConnection> m_x;
    std::unique_ptr<XdoTool> m_xdo;
    std::unique_ptr<ChildProcess> m_program;
    std::string m_programLog;
    std::string m_runtimeDir; // made for the program when the test's environment has none

    XWindowId m_main = 0;
    std::optional<QPoint> m_boardOrigin;
};

// Polls `condition` every few milliseconds until it holds or `timeout` passes.
template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
}

// The environment a program of the sanitizer build needs to be checked as the tests check
// their own code ("NAME=value" entries).
std::vector<std::string> SanitizerEnvironment();

// The rectangle in which two images of one size differ; empty when they are equal.
QRect Difference(const QImage& left, const QImage& right);
// Where `block` lies in `image`, its top-left corner no lower than `maxY`.
std::optional<QPoint> Locate(const QImage& image, const QImage& block, int maxY);
