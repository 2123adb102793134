// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and the window's close box: File > New by its accelerator and by the mouse, in the
// middle of a game, and the ways out of the program.
#include "tests/gui/OnScreenFixture.h"

#include <algorithm>

namespace {

class CommandsTest : public OnScreenTest {
protected:
    // Opens the File menu with a click on its title in the menu bar and returns the drop-down,
    // a window of its own.
    std::optional<ShownWindow> OpenFileMenu()
    {
        const std::vector<ShownWindow> before = X().ShownTopLevels();
        // The title stands first in the menu bar, which fills the window's top above the board.
        ClickMainWindow(QPoint(20, BoardOrigin().y() / 2));
        std::optional<ShownWindow> dropDown;
        Eventually(
            [&] {
                for (const ShownWindow& window : X().ShownTopLevels()) {
                    const bool isNew = std::none_of(
                        before.begin(), before.end(),
                        [&window](const ShownWindow& old) { return old.id == window.id; });
                    if (isNew) {
                        dropDown = window;
                    }
                }
                return dropDown.has_value();
            },
            kPatience);
        return dropDown;
    }

    // Clicks "New", the drop-down's first item, or "Exit", its last.
    void ClickFirstItem(const ShownWindow& dropDown)
    {
        EXPECT_TRUE(Xdo().Click(dropDown.id, 20, kItemMiddle));
    }
    void ClickLastItem(const ShownWindow& dropDown)
    {
        EXPECT_TRUE(Xdo().Click(dropDown.id, 20, dropDown.rect.height() - kItemMiddle));
    }

    // Does `action`, then waits for the program to end with 0, showing no window on the way
    // out (a question, say) and leaving none.
    template <typename Action>
    void ExpectEndsAtOnce(Action action)
    {
        X().WatchMaps();
        const size_t mappedBefore = X().MappedWindows().size();
        action();
        const std::optional<int> exitCode = WaitForExit(kPatience);
        ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
        EXPECT_EQ(*exitCode, 0);
        EXPECT_EQ(X().MappedWindows().size(), mappedBefore) << "a window showed on the way out";
        EXPECT_TRUE(X().ShownTopLevels().empty()) << "a window stayed after the end";
    }

    // A menu item's middle, from the drop-down's edge: half an item's height and the margin.
    static constexpr int kItemMiddle = 11;
};

TEST_F(CommandsTest, NewGameMidGameByCtrlNAndByTheMenuAsksAgainInTheSameWindow)
{
    constexpr unsigned kSeed = 9;
    const XWindowId main = StartGame(3, {"--seed", std::to_string(kSeed)});
    ASSERT_NE(main, 0U);
    BoardModel model(3, kSeed);
    ASSERT_TRUE(ShowsBoard(model));
    for (const QPoint point : {DeckPoint(), RowPoint(1)}) {
        ASSERT_TRUE(model.Click(point).empty());
        ClickBoard(point);
        ASSERT_TRUE(ShowsBoard(model));
    }

    ASSERT_TRUE(Xdo().Focus(main));
    ASSERT_TRUE(Xdo().Key("ctrl+n"));
    const XWindowId dialog = WaitForPlayersDialog();
    ASSERT_NE(dialog, 0U);
    // The old game stays on show around the dialog until the dialog has been answered.
    EXPECT_TRUE(ShowsBoardAround(model, Xdo().Geometry(dialog)));
    EXPECT_EQ(ChoosePlayers(dialog, 5), main);
    model.NewGame(5);
    EXPECT_TRUE(ShowsBoard(model));

    ASSERT_TRUE(model.Click(DeckPoint()).empty());
    ClickBoard(DeckPoint());
    ASSERT_TRUE(ShowsBoard(model));

    const std::optional<ShownWindow> fileMenu = OpenFileMenu();
    ASSERT_TRUE(fileMenu.has_value()) << "the File menu did not open";
    ClickFirstItem(*fileMenu);
    EXPECT_EQ(ChoosePlayers(WaitForPlayersDialog(), 2), main);
    model.NewGame(2);
    EXPECT_TRUE(ShowsBoard(model));
    EXPECT_TRUE(OtherWindows().empty());
}

TEST_F(CommandsTest, ExitInTheFileMenuEndsTheProgramAtOnce)
{
    ASSERT_NE(StartGame(2, {}), 0U);
    ASSERT_TRUE(ShowsBoard(BoardModel(2, 1)));
    const std::optional<ShownWindow> fileMenu = OpenFileMenu();
    ASSERT_TRUE(fileMenu.has_value()) << "the File menu did not open";
    ExpectEndsAtOnce([&] { ClickLastItem(*fileMenu); });
}

TEST_F(CommandsTest, ExitByTheKeyboardEndsTheProgramAtOnce)
{
    const XWindowId main = StartGame(4, {});
    ASSERT_NE(main, 0U);
    ASSERT_TRUE(ShowsBoard(BoardModel(4, 1)));
    ASSERT_TRUE(Xdo().Focus(main));
    // Alt+F opens the File menu, X picks "E&xit".
    ASSERT_TRUE(Xdo().Key("alt+f"));
    ASSERT_TRUE(Eventually([&] { return X().ShownTopLevels().size() == 2; }, kPatience))
        << "the File menu did not open";
    ExpectEndsAtOnce([&] { EXPECT_TRUE(Xdo().Key("x")); });
}

TEST_F(CommandsTest, TheCloseBoxEndsTheProgramAtOnceMidGame)
{
    constexpr unsigned kSeed = 31;
    const XWindowId main = StartGame(3, {"--seed", std::to_string(kSeed)});
    ASSERT_NE(main, 0U);
    BoardModel model(3, kSeed);
    ASSERT_TRUE(ShowsBoard(model));
    ASSERT_TRUE(model.Click(DeckPoint()).empty());
    ClickBoard(DeckPoint());
    ASSERT_TRUE(ShowsBoard(model));
    // What a window manager's close box sends.
    ExpectEndsAtOnce([&] {
        EXPECT_TRUE(X().RequestClose(main)) << "the main window does not take WM_DELETE_WINDOW";
    });
}

} // namespace
