// SPDX-License-Identifier: GPL-3.0-or-later
// Playing on the board with the mouse: whole seeded games clicked through to their results, and
// moves the rules refuse. The same games run in this process, so every board on screen is
// checked against what it should be, pixel for pixel, and every box against the game's.
#include "tests/gui/OnScreenFixture.h"

#include <random>

namespace {

const std::wstring kLastRoundText = L"This will be the last round!";

class PlayedGameTest : public OnScreenTest {
protected:
    // Clicks legal moves, picked at random, until the game is over; after each, closes the
    // boxes the game calls for and checks that the board and nothing else is on screen.
    // Returns the texts of the boxes, as the game in this process gave them.
    std::vector<std::wstring> PlayToTheEnd(BoardModel& model, std::mt19937& choices)
    {
        std::vector<std::wstring> shown;
        // Far more moves than any game has, so that a game that never ends fails, not hangs.
        for (int moves = 1; !model.Doc().m_gameOver && moves < 500; ++moves) {
            const std::vector<QPoint> legal = LegalClicks(model.Doc());
            if (legal.empty()) {
                ADD_FAILURE() << "no legal move at move " << moves;
                break;
            }
            const QPoint point = legal[choices() % legal.size()];
            const std::vector<std::wstring> boxes = model.Click(point);
            ClickBoard(point);
            for (const std::wstring& text : boxes) {
                const std::optional<XWindowId> box = WaitForBox();
                if (!box || !CloseBoxWithReturn(*box)) {
                    ADD_FAILURE() << "move " << moves << ": the box \""
                                  << QString::fromStdWString(text).toStdString()
                                  << "\" did not show and close";
                    return shown;
                }
                shown.push_back(text);
            }
            const testing::AssertionResult board = ShowsBoard(model);
            const std::vector<XWindowId> others = OtherWindows();
            if (!board || !others.empty()) {
                ADD_FAILURE() << "after move " << moves << ": " << board.message() << ' '
                              << others.size() << " other windows on show";
                return shown;
            }
        }
        EXPECT_TRUE(model.Doc().m_gameOver);
        return shown;
    }

    // File > New by its accelerator, answered with `players`, in the same main window.
    void NewGame(BoardModel& model, int players)
    {
        const XWindowId main = MainWindow();
        ASSERT_TRUE(Xdo().Focus(main));
        ASSERT_TRUE(Xdo().Key("ctrl+n"));
        EXPECT_EQ(ChoosePlayers(WaitForPlayersDialog(), players), main);
        model.NewGame(players);
        ASSERT_TRUE(ShowsBoard(model));
    }
};

TEST_F(PlayedGameTest, SeededGamesClickedToTheEndShowEveryBoardAndTheirBoxes)
{
    constexpr unsigned kSeed = 4021;
    ASSERT_NE(StartGame(3, {"--seed", std::to_string(kSeed)}), 0U);
    BoardModel model(3, kSeed);
    ASSERT_TRUE(ShowsBoard(model));
    std::mt19937 choices(kSeed);

    // The last round is announced once, then the results end the game.
    const std::vector<std::wstring> first = PlayToTheEnd(model, choices);
    ASSERT_EQ(first.size(), 2U);
    EXPECT_EQ(first.front(), kLastRoundText);
    EXPECT_NE(first.back().find(L"Player #3"), std::wstring::npos) << "not the results";

    // The finished board stays after the results have closed, and clicks on it do nothing.
    const QImage finished = GrabMainWindow();
    ClickBoard(DeckPoint());
    ClickBoard(RowPoint(0));
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(OtherWindows().empty());
    EXPECT_TRUE(ShowsBoard(model));
    EXPECT_EQ(GrabMainWindow(), finished);

    // A new game for five in the same window: its last round has the banner but no box.
    NewGame(model, 5);
    const std::vector<std::wstring> second = PlayToTheEnd(model, choices);
    ASSERT_EQ(second.size(), 1U);
    EXPECT_NE(second.front().find(L"Player #5"), std::wstring::npos) << "not the results";
}

// Each click of a scenario, in order, with the box it brings (empty: none) and whether the
// board changes.
struct ScriptedClick {
    const char* what;
    QPoint point;
    std::wstring box;
    bool changesBoard;
};

TEST_F(PlayedGameTest, RefusedMovesShowTheirBoxAndLeaveTheBoardAsItWas)
{
    constexpr unsigned kSeed = 77;
    ASSERT_NE(StartGame(2, {"--seed", std::to_string(kSeed)}), 0U);
    BoardModel model(2, kSeed);
    ASSERT_TRUE(ShowsBoard(model));

    const ScriptedClick clicks[] = {
        {"a take while every row is empty", RowPoint(0), L"You cannot take a row.", false},
        {"a draw", DeckPoint(), L"", true},
        {"the deck again, with a card drawn", DeckPoint(), L"", false},
        {"a place on a third player's row", RowPoint(2), L"You cannot place on that row.", false},
        {"a place on the first row", RowPoint(0), L"", true},
        {"a take of the empty second row", RowPoint(1), L"You cannot take that row.", false},
    };
    for (const ScriptedClick& click : clicks) {
        SCOPED_TRACE(click.what);
        const QImage before = GrabMainWindow();
        ASSERT_EQ(model.Click(click.point), click.box.empty()
                                                ? std::vector<std::wstring>{}
                                                : std::vector<std::wstring>{click.box});
        ClickBoard(click.point);
        if (!click.box.empty()) {
            const std::optional<XWindowId> box = WaitForBox();
            ASSERT_TRUE(box.has_value()) << "no box";
            ASSERT_TRUE(CloseBoxWithReturn(*box));
        } else if (!click.changesBoard) {
            // Nothing to wait for: give the program the time it would need to react.
            std::this_thread::sleep_for(500ms);
        }
        ASSERT_TRUE(ShowsBoard(model));
        EXPECT_TRUE(OtherWindows().empty());
        const QRect board(BoardOrigin(), BoardSize());
        EXPECT_EQ(GrabMainWindow().copy(board) != before.copy(board), click.changesBoard);
    }
}

} // namespace
