// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the real program on its X server: thousands of random inputs as xdotool gives
// them (clicks on the board, in the menus, dialogs and boxes and anywhere else, keys of every
// kind) and the close message a window manager sends, with a ping after every few to prove
// that the program still answers. The program may end on the way (File > Exit and the
// close box are among the inputs): it must end with 0 and without a word, and is started again.
// At the end a known sequence must still work, and File > Exit end the program with 0.
//
// Which input goes where depends on the windows on show, and so on timing: the seed (which
// ZINTRA_MONKEY_SEED replaces) fixes what is tried, and a failure lists what was done last.
// The open command (Ctrl+O) is left out: its file dialog, given random keys and clicks, could
// delete or create files wherever it happened to be.
#include "tests/gui/OnScreenFixture.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>
#include <sstream>

namespace {

constexpr std::uint64_t kSeed = 20261208;
constexpr int kInputs = 3000;
// Inputs sent in one go. The ping after each also waits until the program has taken them in,
// so that the next ones are aimed at the windows they opened.
constexpr int kBatch = 10;

// The first three answer a box.
const std::array<const char*, 37> kKeys = {
    "Return", "Escape", "space",     "Tab",      "shift+Tab", "Up",        "Down",     "Left",
    "Right",  "ctrl+n", "alt+f",     "alt+h",    "n",         "x",         "a",        "r",
    "2",      "3",      "4",         "5",        "F1",        "F6",        "shift+F6", "F10",
    "ctrl+z", "ctrl+x", "ctrl+c",    "ctrl+v",   "ctrl+s",    "BackSpace", "Delete",   "Insert",
    "Home",   "End",    "Caps_Lock", "Num_Lock", "alt+F4"};

class MonkeyTest : public OnScreenTest {
protected:
    MonkeyTest()
        : m_seed(std::getenv("ZINTRA_MONKEY_SEED") != nullptr
                     ? std::strtoull(std::getenv("ZINTRA_MONKEY_SEED"), nullptr, 10)
                     : kSeed)
        , m_random(m_seed)
        , m_dealSeed(static_cast<unsigned>(m_seed % 100000))
    {}

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    // Starts the program dealing from `m_dealSeed` and answers its dialog; the first time,
    // also finds where the board lies in the main window, for the clicks on it.
    void Start()
    {
        ++m_starts;
        const int players = 2 + Below(4);
        const XWindowId main = StartGame(players, {"--seed", std::to_string(m_dealSeed)});
        ASSERT_NE(main, 0U) << Report("the program did not start");
        if (m_starts == 1) {
            ASSERT_TRUE(ShowsBoard(BoardModel(players, m_dealSeed)));
        }
    }

    // What went on lately, for a failure message.
    std::string Report(const std::string& what) const
    {
        std::ostringstream report;
        report << what << "\nafter " << m_sent << " inputs (" << m_starts
               << " starts) of the monkey with seed " << m_seed
               << " (ZINTRA_MONKEY_SEED); the last inputs, latest last:";
        for (const std::string& input : m_recent) {
            report << "\n  " << input;
        }
        report << "\nThe program said: " << ProgramOutput();
        return report.str();
    }

    // One batch of random inputs, planned from the windows on show when it starts.
    void SendBatch()
    {
        const std::vector<ShownWindow> shown = X().ShownTopLevels();
        QRect main;
        std::vector<ShownWindow> others; // the top-most last
        for (const ShownWindow& window : shown) {
            if (window.id == MainWindow()) {
                main = window.rect;
            } else {
                others.push_back(window);
            }
        }
        std::vector<std::string> command;
        const auto flush = [&] {
            if (!command.empty()) {
                const XdoTool::Result result = Xdo().Run(command, kPatience);
                EXPECT_EQ(result.exitCode, 0) << Report("xdotool failed");
                command.clear();
            }
        };
        const auto click = [&](QPoint at, const std::string& what) {
            Note("click " + what + " at (" + std::to_string(at.x()) + ", " +
                 std::to_string(at.y()) + ")");
            command.insert(command.end(),
                           {"mousemove", std::to_string(at.x()), std::to_string(at.y()),
                            "mousedown", "1", "mouseup", "1"});
        };
        const auto inside = [this](const QRect& rect) {
            return rect.topLeft() +
                   QPoint(Below(std::max(rect.width(), 1)), Below(std::max(rect.height(), 1)));
        };
        if (main.isEmpty()) {
            // Only between its end and the next start may the main window be away.
            ++m_stalls;
            ASSERT_LT(m_stalls, 100) << Report("the main window is not on show");
            std::this_thread::sleep_for(50ms);
            return;
        }
        m_stalls = 0;
        const QPoint board = main.topLeft() + BoardOrigin();
        for (int input = 0; input < kBatch; ++input, ++m_sent) {
            // With a box, a dialog or a menu on top, the main window takes no input: most go
            // to what is on top.
            const int pick = others.empty() ? Below(100) : 60 + Below(40);
            if (pick < 55) {
                const QPoint point =
                    Below(5) < 2 ? QPoint(51 + Below(49), 81 + Below(59))
                                 : QPoint(201 + Below(49), 40 * (1 + Below(5)) + 1 + Below(19));
                click(board + point, "on the board");
            } else if (pick < 62) {
                click(inside(main), "in the main window");
            } else if (pick < 68) {
                click(main.topLeft() + QPoint(Below(120), BoardOrigin().y() / 2),
                      "on the menu bar");
            } else if (pick < 97 || (others.empty() && Below(20) != 0)) {
                if (!others.empty() && Below(3) != 0) {
                    click(inside(others.back().rect), "in the window on top");
                    continue;
                }
                // A box is mostly answered with the keys that answer boxes.
                const char* key = !others.empty() && Below(2) == 0
                                      ? kKeys[static_cast<std::size_t>(Below(3))]
                                      : kKeys[static_cast<std::size_t>(Below(kKeys.size()))];
                Note(std::string("key ") + key);
                command.insert(command.end(), {"key", "--delay", "0", key});
            } else {
                // What a window manager's close box sends: to the window on top, or, without
                // one, to the main window, which ends the program.
                Note(others.empty() ? "close message to the main window"
                                    : "close message to the window on top");
                flush();
                X().RequestClose(others.empty() ? MainWindow() : others.back().id);
            }
        }
        flush();
    }

    // After a batch: the program still answers, or it has ended as a user may end it.
    void CheckAlive()
    {
        if (const std::optional<int> ended = WaitForExit(std::chrono::milliseconds(0))) {
            ASSERT_EQ(*ended, 0) << Report("the program ended with " + std::to_string(*ended));
            ASSERT_EQ(ProgramOutput(), "") << Report("the program wrote something");
            ++m_ends;
            Start();
            return;
        }
        ++m_pings;
        if (!X().Ping(MainWindow(), kPatience)) {
            // It may have been on its way out when the ping went.
            const std::optional<int> ended = WaitForExit(kPatience);
            ASSERT_TRUE(ended.has_value()) << Report("the program does not answer a ping");
            CheckAlive();
        }
    }

    // Closes whatever is open over the main window, so that the known sequence starts from
    // the board alone: until, once the program has caught up, nothing else is on show (a
    // repaint may still announce the last round, and so open a box of its own).
    void CloseEverythingButTheMainWindow()
    {
        for (int attempt = 0; attempt < 20; ++attempt) {
            ASSERT_TRUE(X().Ping(MainWindow(), kPatience)) << Report("no answer to a ping");
            const std::vector<XWindowId> others = OtherWindows();
            if (others.empty()) {
                return;
            }
            // Menus take no close message; Escape closes them.
            if (!X().RequestClose(others.back())) {
                Xdo().Key("Escape");
            }
        }
        FAIL() << Report("windows stayed open over the main window");
    }

    void Note(std::string input)
    {
        m_recent.push_back(std::move(input));
        if (m_recent.size() > 40) {
            m_recent.pop_front();
        }
    }

    std::uint64_t m_seed;
    std::mt19937_64 m_random;
    unsigned m_dealSeed;
    int m_sent = 0;
    int m_starts = 0;
    int m_ends = 0;
    int m_pings = 0;
    int m_stalls = 0; // batches in a row that found no main window
    std::deque<std::string> m_recent;
};

TEST_F(MonkeyTest, ThousandsOfRandomInputsLeaveTheProgramAnsweringAndWorking)
{
    const auto start = std::chrono::steady_clock::now();
    Start();
    X().WatchMaps();
    while (m_sent < kInputs && !HasFailure()) {
        SendBatch();
        CheckAlive();
    }
    ASSERT_FALSE(HasFailure());

    // However the monkey left it, the program still plays a known game and ends cleanly.
    CloseEverythingButTheMainWindow();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(Xdo().Focus(MainWindow()));
    ASSERT_TRUE(Xdo().Key("ctrl+n"));
    ASSERT_EQ(ChoosePlayers(WaitForPlayersDialog(), 3), MainWindow());
    BoardModel model(3, m_dealSeed);
    ASSERT_TRUE(ShowsBoard(model)) << Report("the known game does not show");
    for (int move = 0; move < 4; ++move) {
        const QPoint point = LegalClicks(model.Doc()).front();
        ASSERT_TRUE(model.Click(point).empty());
        ClickBoard(point);
        ASSERT_TRUE(ShowsBoard(model)) << Report("a known move did not show");
    }
    ASSERT_TRUE(Xdo().Focus(MainWindow()));
    ASSERT_TRUE(Xdo().Key("alt+f"));
    ASSERT_TRUE(Eventually([&] { return OtherWindows().size() == 1; }, kPatience))
        << "the File menu did not open";
    ASSERT_TRUE(Xdo().Key("x"));
    EXPECT_EQ(WaitForExit(kPatience), std::optional<int>(0)) << Report("File > Exit failed");
    EXPECT_EQ(ProgramOutput(), "");
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Every box, dialog and menu the inputs opened, the known sequence's few among them.
    const std::size_t opened = X().MappedWindows().size();
    std::cout << "monkey seed " << m_seed << ": " << m_sent << " inputs in " << seconds << " s, "
              << m_pings << " pings answered, " << opened << " windows opened, " << m_ends
              << " ends on the way\n";
    EXPECT_GT(opened, 100U) << "the inputs reached too little to test much";
}

} // namespace
