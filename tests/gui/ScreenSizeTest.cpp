// SPDX-License-Identifier: GPL-3.0-or-later
// The board on screens other than a desktop's: one too small for it, where the window fits the
// screen and the board scrolls under clicks that still find their rows; one that shows every
// pixel twice as large, where the texts, their font and their hit areas grow together; and a
// laptop's, where the Rules box is taller than the screen.
#include "tests/gui/OnScreenFixture.h"
#include "view/BoardLayout.h"

namespace {

// The extent of everything ever drawn on the board.
constexpr QSize kBoard(800, 640);

// Pieces of the board, each small enough to be in view together on a small screen, by which
// the board is found wherever it has been scrolled to: the deck, the drawn card and the rows;
// the hands and the prompt below them; the last row's line.
constexpr QRect kTopPiece(40, 35, 320, 190);
constexpr QRect kLowerPiece(0, 250, 600, 380);
constexpr QRect kLastRowPiece(190, 195, 200, 28);

// Where the board's top-left corner lies in `shown`, above or left of it when scrolled, as
// told by `piece` of the board drawn at `scale`; none when that piece is not in view.
std::optional<QPoint> FindBoard(const QImage& shown, const QImage& board, QRect piece, int scale)
{
    const QRect pixels(piece.topLeft() * scale, piece.size() * scale);
    const std::optional<QPoint> found = Locate(shown, board.copy(pixels), shown.height());
    if (!found) {
        return std::nullopt;
    }
    return *found - pixels.topLeft();
}

class ScreenSizeTest : public OnScreenTest {
protected:
    using OnScreenTest::OnScreenTest;

    // Waits until the main window shows `piece` of `model`'s board, at a place other than
    // `elsewhere`, and returns where the board lies.
    std::optional<QPoint> WaitForBoard(const BoardModel& model, QRect piece, int scale = 1,
                                       std::optional<QPoint> elsewhere = std::nullopt)
    {
        const QImage board = model.Render(kBoard, scale);
        std::optional<QPoint> origin;
        Eventually(
            [&] {
                origin = FindBoard(GrabMainWindow(), board, piece, scale);
                return origin.has_value() && origin != elsewhere;
            },
            kPatience);
        if (origin == elsewhere) {
            return std::nullopt;
        }
        return origin;
    }

    testing::AssertionResult FitsOnTheScreen(XWindowId window)
    {
        const QRect shown = Xdo().Geometry(window);
        const QRect screen(QPoint(0, 0), ScreenSize());
        if (screen.contains(shown)) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << "the window lies at (" << shown.x() << ", " << shown.y() << "), " << shown.width()
               << " by " << shown.height() << " pixels, off the screen of " << screen.width()
               << " by " << screen.height();
    }
};

class SmallScreenTest : public ScreenSizeTest {
protected:
    SmallScreenTest()
        : ScreenSizeTest(QSize(640, 480))
    {}
};

TEST_F(SmallScreenTest, FitsTheWindowAndScrollsTheBoardUnderClicksThatStillFindTheirRows)
{
    constexpr unsigned kSeed = 12;
    const XWindowId main = StartGame(5, {"--seed", std::to_string(kSeed)});
    ASSERT_NE(main, 0U);
    EXPECT_TRUE(FitsOnTheScreen(main));
    BoardModel model(5, kSeed);

    // The top of the board shows as it does on a larger screen, just below the menu bar.
    const std::optional<QPoint> top = WaitForBoard(model, kTopPiece);
    ASSERT_TRUE(top.has_value()) << "the top of the board is not on show";
    ASSERT_EQ(top->x(), 0);
    ASSERT_TRUE(model.Click(DeckPoint()).empty());
    ClickMainWindow(*top + DeckPoint());
    ASSERT_EQ(WaitForBoard(model, kTopPiece), top) << "no card drawn";

    // The hands and the prompt lie below the window's edge until the board scrolls up.
    EXPECT_FALSE(FindBoard(GrabMainWindow(), model.Render(kBoard), kLowerPiece, 1).has_value());
    ASSERT_TRUE(Xdo().TurnWheel(main, 300, 200, 10));
    const std::optional<QPoint> bottom = WaitForBoard(model, kLowerPiece, 1, top);
    ASSERT_TRUE(bottom.has_value()) << "the board did not scroll to its prompt";
    EXPECT_EQ(bottom->x(), 0);
    EXPECT_LT(bottom->y(), top->y());

    // Back a little, to where the last row shows and the board is still scrolled: a click on
    // that row places the card there.
    ASSERT_TRUE(Xdo().TurnWheel(main, 300, 200, -2));
    const std::optional<QPoint> partway = WaitForBoard(model, kLastRowPiece, 1, bottom);
    ASSERT_TRUE(partway.has_value()) << "the board did not scroll back";
    ASSERT_LT(partway->y(), top->y());
    ASSERT_GT(partway->y() + board::RowY(4), top->y()) << "the last row is out of view";
    ASSERT_TRUE(model.Click(RowPoint(4)).empty());
    ClickMainWindow(*partway + RowPoint(4));
    EXPECT_EQ(WaitForBoard(model, kLastRowPiece), partway) << "the card is not on the last row";
}

class ScaledScreenTest : public ScreenSizeTest {
protected:
    ScaledScreenTest()
        : ScreenSizeTest(QSize(1280, 1024), {"QT_SCALE_FACTOR=2"})
    {}
};

TEST_F(ScaledScreenTest, DrawsTheBoardTwiceAsLargeAndTakesClicksWhereItsTextsAre)
{
    constexpr unsigned kSeed = 3;
    const XWindowId main = StartGame(3, {"--seed", std::to_string(kSeed)});
    ASSERT_NE(main, 0U);
    EXPECT_TRUE(FitsOnTheScreen(main));
    BoardModel model(3, kSeed);

    const std::optional<QPoint> origin = WaitForBoard(model, kTopPiece, 2);
    ASSERT_TRUE(origin.has_value()) << "the board is not on show at twice its size";
    // Each click lands on the screen where the text is drawn, twice as far from the corner:
    // two cards drawn, placed on the second row and then the third.
    for (const QPoint point : {DeckPoint(), RowPoint(1), DeckPoint(), RowPoint(2)}) {
        ASSERT_TRUE(model.Click(point).empty());
        ClickMainWindow(*origin + point * 2);
        EXPECT_EQ(WaitForBoard(model, kTopPiece, 2), origin)
            << "the click at (" << point.x() << ", " << point.y() << ") did not tell";
    }
}

class LaptopScreenTest : public ScreenSizeTest {
protected:
    LaptopScreenTest()
        : ScreenSizeTest(QSize(1366, 768))
    {}
};

TEST_F(LaptopScreenTest, FitsTheRulesBoxWithItsTextScrollingAndItsButtonInReach)
{
    const XWindowId main = StartGame(2, {});
    ASSERT_NE(main, 0U);
    // The screen holds the whole board: it shows as on a desktop, with no scroll bar.
    EXPECT_TRUE(ShowsBoard(BoardModel(2, 1)));

    // Help > Rules from the keyboard: Alt+H opens the menu on its first item, and Rules is next.
    ASSERT_TRUE(Xdo().Focus(main));
    ASSERT_TRUE(Xdo().Key("alt+h"));
    ASSERT_TRUE(Eventually([&] { return OtherWindows().size() == 1; }, kPatience))
        << "the Help menu did not open";
    ASSERT_TRUE(Xdo().Key("Down"));
    ASSERT_TRUE(Xdo().Key("Return"));
    const std::optional<XWindowId> box = WaitForBox();
    ASSERT_TRUE(box.has_value()) << "the Rules box did not show";
    EXPECT_TRUE(FitsOnTheScreen(*box));

    // The wheel scrolls the text.
    const QRect shown = Xdo().Geometry(*box);
    const QImage before = X().Grab(shown);
    ASSERT_TRUE(Xdo().TurnWheel(*box, shown.width() / 2, shown.height() / 2, 3));
    EXPECT_TRUE(Eventually([&] { return X().Grab(shown) != before; }, kPatience))
        << "the text did not scroll";

    // OK stands in the box's bottom right-hand corner, inside its margin.
    ASSERT_TRUE(Xdo().Click(*box, shown.width() - 40, shown.height() - 22));
    EXPECT_TRUE(Eventually([&] { return OtherWindows().empty(); }, kPatience))
        << "the box did not close at a click on its button";
}

} // namespace
