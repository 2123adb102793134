// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's key panes: "CAP" and "NUM" show exactly while Caps Lock and Num Lock are on,
// whichever window has the keyboard.
#include "tests/gui/OnScreenFixture.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <map>
#include <utility>

namespace {

// `text` as a label of the program draws it: in the application's font, in the window text
// colour over `background`, starting `fraction` of a pixel to the right (a centred text can
// start between pixels, and its letters are drawn for where they start), cut to the pixels
// its letters touch.
QImage RenderLetters(const QString& text, QRgb background, qreal fraction)
{
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 8, metrics.height() + 8, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QApplication::palette().color(QPalette::WindowText));
    painter.drawText(QPointF(4 + fraction, 4 + metrics.ascent()), text);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return image.copy(ink);
}

// Whether `block` lies at `origin` of `image`.
bool LiesAt(const QImage& image, QPoint origin, const QImage& block)
{
    for (int y = 0; y < block.height(); ++y) {
        for (int x = 0; x < block.width(); ++x) {
            if (image.pixel(origin.x() + x, origin.y() + y) != block.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

// Whether `text`, drawn as a label draws it, appears anywhere inside `area` of `image`.
bool ShowsText(const QImage& image, const QRect& area, const QString& text)
{
    // Around the letters too, so that the background shows.
    const QRect inside = area.adjusted(-2, -2, 2, 2).intersected(image.rect());
    std::map<QRgb, int> colours;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++colours[image.pixel(x, y)];
        }
    }
    const QRgb background =
        std::max_element(colours.begin(), colours.end(), [](const auto& left, const auto& right) {
            return left.second < right.second;
        })->first;
    // Text is placed in 64ths of a pixel.
    for (int sixtyFourths = 0; sixtyFourths < 64; ++sixtyFourths) {
        const QImage letters = RenderLetters(text, background, sixtyFourths / 64.0);
        for (int y = inside.top(); y + letters.height() <= inside.bottom() + 1; ++y) {
            for (int x = inside.left(); x + letters.width() <= inside.right() + 1; ++x) {
                if (LiesAt(image, QPoint(x, y), letters)) {
                    return true;
                }
            }
        }
    }
    return false;
}

TEST_F(OnScreenTest, CapAndNumShowExactlyWhileTheirLocksAreOn)
{
    const XWindowId main = StartGame(2, {});
    ASSERT_NE(main, 0U);
    ASSERT_TRUE(ShowsBoard(BoardModel(2, 1)));
    ASSERT_TRUE(Xdo().Focus(main));
    const QImage allOff = GrabMainWindow();
    // The status bar: from the first row below the board that is not the board's white, to
    // the bottom of the window. The message pane, at its left, is idle.
    int statusBarTop = BoardOrigin().y() + BoardSize().height();
    while (statusBarTop < allOff.height() &&
           allOff.pixel(allOff.width() / 2, statusBarTop) == qRgb(255, 255, 255)) {
        ++statusBarTop;
    }
    const QRect statusBar(0, statusBarTop, allOff.width(), allOff.height() - statusBarTop);
    EXPECT_TRUE(ShowsText(allOff, statusBar.adjusted(0, 0, -allOff.width() / 2, 0),
                          QStringLiteral("Ready")));

    ASSERT_TRUE(Xdo().Key("Caps_Lock"));
    const std::optional<QImage> capsOn = WaitForChange(allOff);
    ASSERT_TRUE(capsOn.has_value()) << "nothing changed with Caps Lock on";
    const QRect capPane = Difference(allOff, *capsOn);
    EXPECT_TRUE(statusBar.contains(capPane));
    EXPECT_GT(capPane.left(), allOff.width() / 2) << "not a pane at the right";
    EXPECT_TRUE(ShowsText(*capsOn, capPane, QStringLiteral("CAP")));

    ASSERT_TRUE(Xdo().Key("Num_Lock"));
    const std::optional<QImage> bothOn = WaitForChange(*capsOn);
    ASSERT_TRUE(bothOn.has_value()) << "nothing changed with Num Lock on";
    const QRect numPane = Difference(*capsOn, *bothOn);
    EXPECT_TRUE(statusBar.contains(numPane));
    EXPECT_GT(numPane.left(), capPane.right()) << "NUM is not right of CAP";
    EXPECT_TRUE(ShowsText(*bothOn, numPane, QStringLiteral("NUM")));

    // Off again, each goes back to blank, the other staying as it was.
    ASSERT_TRUE(Xdo().Key("Caps_Lock"));
    const std::optional<QImage> numOn = WaitForChange(*bothOn);
    ASSERT_TRUE(numOn.has_value()) << "nothing changed with Caps Lock off";
    EXPECT_EQ(Difference(allOff, *numOn), numPane);
    ASSERT_TRUE(Xdo().Key("Num_Lock"));
    EXPECT_TRUE(Eventually([&] { return GrabMainWindow() == allOff; }, kPatience))
        << "the window did not go back to how it was with both locks off";
}

TEST_F(OnScreenTest, CapFollowsCapsLockPressedWhileNoWindowOfTheProgramHasTheKeyboard)
{
    const XWindowId main = StartGame(2, {});
    ASSERT_NE(main, 0U);
    ASSERT_TRUE(ShowsBoard(BoardModel(2, 1)));
    // The program hears of no key, and nothing else happens: it is idle when the lock changes.
    X().FocusNoWindow();
    QImage allOff = GrabMainWindow();
    ASSERT_TRUE(Eventually(
        [&] {
            // Once the window no longer changes with the loss of the keyboard.
            std::this_thread::sleep_for(300ms);
            return std::exchange(allOff, GrabMainWindow()) == allOff;
        },
        kPatience));

    ASSERT_TRUE(Xdo().Key("Caps_Lock"));
    const std::optional<QImage> capsOn = WaitForChange(allOff);
    ASSERT_TRUE(capsOn.has_value()) << "nothing changed with Caps Lock on";
    const QRect capPane = Difference(allOff, *capsOn);
    EXPECT_GT(capPane.left(), allOff.width() / 2) << "not a pane at the right";
    EXPECT_GT(capPane.top(), BoardOrigin().y() + BoardSize().height()) << "not below the board";
    EXPECT_TRUE(ShowsText(*capsOn, capPane, QStringLiteral("CAP")));

    ASSERT_TRUE(Xdo().Key("Caps_Lock"));
    EXPECT_TRUE(Eventually([&] { return GrabMainWindow() == allOff; }, kPatience))
        << "CAP did not go with Caps Lock off";
}

} // namespace
