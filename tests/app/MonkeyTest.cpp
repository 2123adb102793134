// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey at the whole program: a million random actions of a user's, through the headless
// platform, with the rules' invariants and what the windows show checked after each. Clicks
// land anywhere, most of them on the deck and the rows; every menu command and accelerator
// comes up, File > New in the middle of games among them; dialogs get their buttons clicked
// at random and boxes are answered either way; now and then the program is closed and
// started again. Everything follows from one seed, which a failure names, so that it replays:
// ZINTRA_MONKEY_SEED=<seed> (and ZINTRA_MONKEY_ACTIONS=<count>) run another.
#include "afx/AfxRes.h"
#include "afx/CWinApp.h"
#include "game/ShuffleSeed.h"
#include "res/Resource.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/ExpectedBoard.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/GameInvariants.h"
#include "tests/support/Printers.h"
#include "tests/support/RandomPlayer.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kSeed = 20261208;
constexpr long kActions = 1'000'000;

constexpr std::array<std::wstring_view, 4> kRefusals = {
    L"You cannot draw.", L"You cannot take a row.", L"You cannot take that row.",
    L"You cannot place on that row."};
constexpr std::wstring_view kLastRound = L"This will be the last round!";

std::uint64_t FromEnvironment(const char* name, std::uint64_t otherwise)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoull(value, nullptr, 10) : otherwise;
}

// One action, kept small so that the last few can be told when something fails.
struct Action {
    enum class Kind {
        Click,
        Command,
        MenuSelect,
        LockKey,
        Idle,
        Paint,
        CloseBox,
        DialogButton,
        DialogEnter,
        DialogEscape,
        BoxAnswer,
    };
    Kind kind;
    int a = 0;
    int b = 0;
};

std::string Describe(const Action& action)
{
    std::ostringstream text;
    switch (action.kind) {
    case Action::Kind::Click:
        text << "click at (" << action.a << ", " << action.b << ")";
        break;
    case Action::Kind::Command:
        text << "command " << action.a;
        break;
    case Action::Kind::MenuSelect:
        text << "menu select " << action.a << " flags " << action.b;
        break;
    case Action::Kind::LockKey:
        text << "lock key " << action.a << (action.b != 0 ? " on" : " off");
        break;
    case Action::Kind::Idle:
        text << "idle";
        break;
    case Action::Kind::Paint:
        text << "paint";
        break;
    case Action::Kind::CloseBox:
        text << "close box";
        break;
    case Action::Kind::DialogButton:
        text << "dialog " << action.a << ": button " << action.b;
        break;
    case Action::Kind::DialogEnter:
        text << "dialog " << action.a << ": Enter";
        break;
    case Action::Kind::DialogEscape:
        text << "dialog " << action.a << ": Escape";
        break;
    case Action::Kind::BoxAnswer:
        text << "box answered " << action.a;
        break;
    }
    return text.str();
}

class MonkeyTest : public ProgramTest {
protected:
    MonkeyTest()
        : m_seed(FromEnvironment("ZINTRA_MONKEY_SEED", kSeed))
        , m_budget(static_cast<long>(FromEnvironment("ZINTRA_MONKEY_ACTIONS", kActions)))
        , m_dice(m_seed)
    {}

    // Starts the program again and again until the budget is spent or something fails.
    void RunAll()
    {
        platform.whileDialogOpen = [this](CWnd& dialog, const afx::DialogResource& tmpl) {
            InDialog(dialog, tmpl);
        };
        platform.whileBoxOpen = [this](const HeadlessPlatform::Event& box) { InBox(box); };
        while (m_done < m_budget && !m_failed) {
            ++m_runs;
            const std::string firstDeal = std::to_string(m_dice.Below(1 << 30));
            const int exitCode = Run({"--seed", firstDeal}, [this] { Play(); });
            Expect(exitCode == 0, "the program ended with " + std::to_string(exitCode));
            Expect(platform.WindowCount() == 0, "windows were left after the end");
        }
    }

    std::uint64_t m_seed;
    long m_budget;
    long m_done = 0;
    int m_runs = 0;
    int m_games = 0;
    int m_finishedGames = 0;
    int m_boxes = 0;

private:
    // The message loop of one run: actions until the budget is spent or the user ends it.
    void Play()
    {
        m_frame = &Frame();
        m_view = &View();
        m_doc = &Doc();
        ++m_games;
        m_commands = CommandsOf(*m_frame);
        Expect(m_commands.size() > 5, "the frame has no menu or accelerators");
        while (m_done < m_budget && !m_failed && AfxGetApp()->m_pMainWnd != nullptr) {
            Act();
            Check();
        }
        if (AfxGetApp()->m_pMainWnd != nullptr) {
            platform.Command(Frame(), ID_APP_EXIT);
        }
        // Gone with the run.
        m_frame = nullptr;
        m_view = nullptr;
        m_doc = nullptr;
    }

    void Act()
    {
        const int pick = m_dice.Below(10000);
        if (pick < 7000) {
            Click();
        } else if (pick < 8000) {
            Note({Action::Kind::Idle});
            const bool repaints = platform.NeedsPaint(*m_view);
            platform.Idle();
            if (repaints) {
                CheckShown();
            }
            CheckPanes();
        } else if (pick < 8300) {
            Note({Action::Kind::Paint});
            platform.Paint(*m_view);
            CheckShown();
        } else if (pick < 9300) {
            Command(PickCommand());
        } else if (pick < 9307) {
            // A new game, in the middle of one about as often as after its end.
            Command(ID_FILE_NEW);
        } else if (pick < 9700) {
            SelectMenuItem();
        } else if (pick < 9999) {
            ToggleLockKey();
        } else if (m_dice.Below(5) == 0) {
            // About once in fifty thousand actions the user closes the window.
            Note({Action::Kind::CloseBox});
            platform.CloseBox(*m_frame);
        }
    }

    // Mostly on the deck and in the rows' bands, sometimes right on their borders, and now
    // and then anywhere at all, off the board included.
    CPoint PickPoint()
    {
        const int where = m_dice.Below(20);
        if (where < 7) {
            return {51 + m_dice.Below(49), 81 + m_dice.Below(59)};
        }
        if (where < 16) {
            const int row = m_dice.Below(5);
            return {201 + m_dice.Below(49), 40 * (row + 1) + 1 + m_dice.Below(19)};
        }
        if (where < 18) {
            constexpr std::array<int, 6> kXs = {50, 100, 200, 250, 51, 249};
            constexpr std::array<int, 8> kYs = {80, 140, 40, 60, 80, 100, 200, 220};
            return {kXs[static_cast<std::size_t>(m_dice.Below(6))],
                    kYs[static_cast<std::size_t>(m_dice.Below(8))]};
        }
        return {m_dice.Below(1100) - 100, m_dice.Below(900) - 100};
    }

    void Click()
    {
        const CPoint point = PickPoint();
        Note({Action::Kind::Click, point.x, point.y});
        const GameSnapshot before = Snapshot(*m_doc);
        const int refusalsBefore = m_refusals;
        const int boxesBefore = m_boxes;
        platform.Click(*m_view, point.x, point.y);
        if (AfxGetApp()->m_pMainWnd == nullptr) {
            return;
        }
        const bool changed = !(Snapshot(*m_doc) == before);
        if (before.gameOver) {
            Expect(!changed && m_boxes == boxesBefore, "a click changed a finished game");
        }
        if (m_refusals != refusalsBefore) {
            Expect(!changed, "a refused move changed the game");
        }
        if (changed) {
            // A paint while a box was open may have shown the change already.
            Expect(platform.NeedsPaint(*m_view) ||
                       platform.LastDrawing(*m_view) == ExpectedBoard(*m_doc),
                   "the game changed but the board will not show it");
        }
        if (!before.gameOver && m_doc->m_gameOver) {
            ++m_finishedGames;
        }
    }

    // Every command of the frame's menu and accelerators but File > New and File > Exit.
    std::vector<UINT> CommandsOf(const CWnd& frame) const
    {
        std::vector<UINT> ids;
        if (const afx::MenuResource* menu = platform.MenuOf(frame); menu != nullptr) {
            for (const afx::PopupMenuResource& popup : menu->popups) {
                for (const afx::MenuItemResource& item : popup.items) {
                    if (item.id != 0 && item.id != ID_APP_EXIT && item.id != ID_FILE_NEW) {
                        ids.push_back(item.id);
                    }
                }
            }
        }
        if (const afx::AcceleratorTableResource* keys = platform.AcceleratorsOf(frame);
            keys != nullptr) {
            for (const afx::AcceleratorResource& key : keys->entries) {
                if (key.cmd != ID_FILE_NEW) {
                    ids.push_back(key.cmd);
                }
            }
        }
        return ids;
    }

    // Any command of the menu and the accelerators but New; File > Exit seldom, and now and
    // then an id nothing knows.
    UINT PickCommand()
    {
        if (m_dice.Below(2000) == 0) {
            return ID_APP_EXIT;
        }
        if (m_dice.Below(50) == 0) {
            return static_cast<UINT>(m_dice.Below(0x10000));
        }
        return m_commands[static_cast<std::size_t>(
            m_dice.Below(static_cast<int>(m_commands.size())))];
    }

    void Command(UINT id)
    {
        Note({Action::Kind::Command, static_cast<int>(id)});
        const GameSnapshot before = Snapshot(*m_doc);
        m_lastRadio = 0;
        if (id == ID_FILE_NEW) {
            // Each new game its own deal, yet the same for the same seed.
            SetFixedShuffleSeed(static_cast<unsigned>(m_dice.Below(1 << 30)));
        }
        if (id == ID_FILE_OPEN) {
            platform.fileToOpen = m_dice.Below(2) == 0
                                      ? std::optional<CString>()
                                      : std::optional<CString>(CString("/tmp/game.txt"));
        }
        platform.Command(*m_frame, id);
        if (AfxGetApp()->m_pMainWnd == nullptr) {
            return;
        }
        if (id == ID_FILE_NEW) {
            ++m_games;
            const int players = m_lastRadio != 0 ? m_lastRadio - IDC_PLAYERS_2 + 2 : 2;
            Expect(m_doc->m_numPlayers == players, "the new game is not for the players chosen");
            Expect(m_doc->UndealtCount() == DECK_SIZE && m_doc->m_turnPhase == PHASE_CHOOSE &&
                       !m_doc->m_gameOver && m_doc->m_currentPlayer == 0,
                   "the new game did not start afresh");
        } else {
            Expect(Snapshot(*m_doc) == before, "a command other than New changed the game");
        }
    }

    void SelectMenuItem()
    {
        constexpr std::array<UINT, 6> kItems = {ID_FILE_NEW,   ID_APP_EXIT, ID_APP_ABOUT,
                                                ID_HELP_RULES, 0,           12345};
        constexpr std::array<UINT, 4> kFlags = {0, MF_POPUP, MF_SEPARATOR, MF_MENUCLOSED};
        const UINT id = kItems[static_cast<std::size_t>(m_dice.Below(6))];
        const UINT flags = kFlags[static_cast<std::size_t>(m_dice.Below(4))];
        Note({Action::Kind::MenuSelect, static_cast<int>(id), static_cast<int>(flags)});
        platform.MenuSelect(*m_frame, id, flags);
    }

    void ToggleLockKey()
    {
        constexpr std::array<int, 3> kLockKeys = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
        const auto key = static_cast<std::size_t>(m_dice.Below(3));
        const bool on = m_dice.Below(2) == 0;
        Note({Action::Kind::LockKey, kLockKeys[key], on ? 1 : 0});
        platform.SetLockKey(kLockKeys[key], on);
        m_locks[key] = on;
    }

    // Inside a dialog's loop: its buttons clicked at random, then Enter or Escape (or, when
    // neither comes, the platform's Enter). The board behind may repaint meanwhile.
    void InDialog(CWnd& dialog, const afx::DialogResource& tmpl)
    {
        const int id = static_cast<int>(tmpl.id);
        for (int step = m_dice.Below(6); step > 0 && m_done < m_budget; --step) {
            const int pick = m_dice.Below(10);
            if (pick < 6) {
                const afx::DialogItemResource& item = tmpl.items[static_cast<std::size_t>(
                    m_dice.Below(static_cast<int>(tmpl.items.size())))];
                Note({Action::Kind::DialogButton, id, item.id});
                if (item.kind == afx::ControlKind::AutoRadioButton) {
                    m_lastRadio = item.id;
                }
                // Only buttons tell the dialog of a click; a click elsewhere does nothing.
                if (item.kind != afx::ControlKind::Text && item.kind != afx::ControlKind::Icon &&
                    item.kind != afx::ControlKind::GroupBox) {
                    platform.ClickDialogButton(dialog, item.id);
                }
            } else if (pick < 8 && m_view != nullptr) {
                Note({Action::Kind::Paint});
                platform.Paint(*m_view);
                CheckShown();
            } else {
                const bool escape = pick == 9;
                Note({escape ? Action::Kind::DialogEscape : Action::Kind::DialogEnter, id});
                escape ? platform.PressEscape(dialog) : platform.PressEnter(dialog);
                return;
            }
        }
    }

    // Inside a box's loop: the board behind may repaint, then the box is answered either way.
    void InBox(const HeadlessPlatform::Event& box)
    {
        ++m_boxes;
        const std::wstring_view text = box.text.GetString();
        const bool refusal = std::find(kRefusals.begin(), kRefusals.end(), text) != kRefusals.end();
        m_refusals += refusal ? 1 : 0;
        if (m_doc != nullptr && AfxGetApp()->m_pMainWnd != nullptr) {
            Expect(!text.starts_with(L"Final Scores\n") || m_doc->m_gameOver,
                   "the results came before the end");
            Expect(text != kLastRound || m_doc->IsLastRound(), "the last round came too soon");
        }
        // A box may open from a paint inside another box; one more paint is as deep as it goes.
        if (m_boxDepth < 2 && m_view != nullptr && m_dice.Below(8) == 0) {
            ++m_boxDepth;
            Note({Action::Kind::Paint});
            platform.Paint(*m_view);
            CheckShown();
            --m_boxDepth;
        }
        const int answer = m_dice.Below(2) == 0 ? IDOK : IDCANCEL;
        Note({Action::Kind::BoxAnswer, answer});
        platform.boxAnswer = answer;
    }

    // The rules' invariants, and the windows the program had from the start.
    void Check()
    {
        if (AfxGetApp()->m_pMainWnd == nullptr) {
            return;
        }
        Expect(&Frame() == m_frame && &View() == m_view && &Doc() == m_doc,
               "the frame, the board or the game was replaced");
        Expect(platform.WindowCount() == 3, "the frame, board and status bar are not all there");
        const std::string broken = BrokenInvariant(*m_doc);
        Expect(broken.empty(), broken);
        platform.ClearLog();
    }

    // Once painted, the board shows the game as it stands.
    void CheckShown()
    {
        if (m_doc != nullptr && m_doc->m_numPlayers > 0) {
            Expect(platform.LastDrawing(*m_view) == ExpectedBoard(*m_doc),
                   "the board does not show the game");
        }
    }

    // Once idle, the key panes show exactly the lock keys that are on.
    void CheckPanes()
    {
        const std::vector<CString> panes = Panes();
        const std::array<const char*, 3> kKeys = {"CAP", "NUM", "SCRL"};
        bool right = panes.size() == 4;
        for (std::size_t key = 0; right && key < 3; ++key) {
            right = panes[key + 1] == CString(m_locks[key] ? kKeys[key] : "");
        }
        Expect(right, "the key panes do not show the lock keys");
    }

    void Note(const Action& action)
    {
        ++m_done;
        m_recent[static_cast<std::size_t>(m_done) % m_recent.size()] = action;
    }

    // Fails the test once, with what the monkey did last and the seed that replays it.
    void Expect(bool holds, const std::string& what)
    {
        if (holds || m_failed) {
            return;
        }
        m_failed = true;
        std::ostringstream report;
        report << what << "\nafter action " << m_done << " (run " << m_runs << ", game " << m_games
               << ") of the monkey with seed " << m_seed
               << " (ZINTRA_MONKEY_SEED); the last actions, latest last:";
        const long first = std::max(1L, m_done - static_cast<long>(m_recent.size()) + 1);
        for (long done = first; done <= m_done; ++done) {
            report << "\n  " << done << ": "
                   << Describe(m_recent[static_cast<std::size_t>(done) % m_recent.size()]);
        }
        ADD_FAILURE() << report.str();
    }

    RandomPlayer m_dice;
    CMainFrame* m_frame = nullptr;
    CZintra_winView* m_view = nullptr;
    CZintra_winDoc* m_doc = nullptr;
    bool m_failed = false;
    int m_refusals = 0;
    int m_lastRadio = 0;
    int m_boxDepth = 0;
    std::array<bool, 3> m_locks{}; // Caps, Num and Scroll Lock
    std::vector<UINT> m_commands;
    std::array<Action, 24> m_recent{};
};

TEST_F(MonkeyTest, AMillionRandomActionsKeepTheRulesAndTheWindowsSound)
{
    const FixedSeed deals(0); // the clock deals again after the test
    const auto start = std::chrono::steady_clock::now();
    RunAll();
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "monkey seed " << m_seed << ": " << m_done << " actions in " << seconds << " s; "
              << m_runs << " runs, " << m_games << " games (" << m_finishedGames
              << " played to the end), " << m_boxes << " boxes\n";
    EXPECT_GE(m_done, m_budget);
    EXPECT_GT(m_finishedGames, 0) << "random clicks must finish games, or they test too little";
}

} // namespace
