// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/AfxMessageBox.h"
#include "afx/qt/DrawingReplay.h"
#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <string>
#include <vector>

namespace qttest {
namespace {

using Items = std::vector<CDC::TextItem>;

const Items kBoard{
    {200, 0, L"LAST ROUND!!"},
    {200, 40, L"Row #1|   R  +2"},
    {50, 100, L"Draw!"},
    {400, 260, L"Hands"},
    {200, 300, L"Player #1   R:0   G:0   W:0   "},
    {100, 600, L"It is Player #1's turn."},
};

// Where each item's text may leave ink: its line box, a pixel wider for antialiasing.
std::vector<QRect> InkBoxes(const Items& items)
{
    const QFontMetrics metrics(afx::qt::ViewFont());
    std::vector<QRect> boxes;
    for (const CDC::TextItem& item : items) {
        const QString text = QString::fromWCharArray(item.text.GetString());
        boxes.emplace_back(item.x - 1, item.y - 1, metrics.horizontalAdvance(text) + 2,
                           metrics.height() + 2);
    }
    return boxes;
}

bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

class Views : public QtBackendTest {
protected:
    // Opens the frame with a view that draws `items`, large enough to show all of them.
    void OpenWith(const Items& items)
    {
        drawn = items;
        OpenFrame(false);
        View().content = [this] { return drawn; };
        FrameWidget()->resize(900, 760);
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(FrameWidget()));
        ProcessEvents();
    }

    const Items& Shown() const { return *platform.ShownDrawing(View().m_hWnd); }

    Items drawn;
};

TEST_F(Views, ShowExactlyWhatTheyDrewAtTheirLastPaint)
{
    OpenWith(kBoard);
    ASSERT_EQ(Shown(), kBoard);
    const QImage shown = GrabView();

    QPixmap expected(ViewWidget()->size());
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        afx::qt::ReplayDrawing(painter, kBoard);
    }
    EXPECT_TRUE(shown == expected.toImage().convertToFormat(QImage::Format_RGB32));

    // The text hangs below each item's point, and nothing else is drawn.
    const std::vector<QRect> boxes = InkBoxes(kBoard);
    std::vector<int> inkPerBox(boxes.size(), 0);
    int strayInk = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (!IsInk(shown.pixel(x, y))) {
                continue;
            }
            bool inside = false;
            for (size_t index = 0; index < boxes.size(); ++index) {
                if (boxes[index].contains(x, y)) {
                    ++inkPerBox[index];
                    inside = true;
                }
            }
            strayInk += inside ? 0 : 1;
        }
    }
    EXPECT_EQ(strayInk, 0);
    for (size_t index = 0; index < boxes.size(); ++index) {
        EXPECT_GT(inkPerBox[index], 20) << "item " << index;
    }
    EXPECT_FALSE(IsInk(shown.pixel(5, 5))) << "the background is white";
}

TEST_F(Views, DrawOnceForManyInvalidationsAndNotWhileHidden)
{
    drawn = {{10, 10, L"first"}};
    OpenFrame(false);
    View().content = [this] { return drawn; };
    View().Invalidate();
    ProcessEvents();
    EXPECT_EQ(View().draws, 0) << "a hidden window is not painted";

    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    EXPECT_EQ(View().draws, 1) << "UpdateWindow paints at once";
    EXPECT_EQ(Shown(), drawn);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FrameWidget()));
    ProcessEvents();

    const int before = View().draws;
    drawn = {{10, 10, L"second"}};
    for (int time = 0; time < 5; ++time) {
        View().Invalidate();
    }
    EXPECT_EQ(View().draws, before) << "painting waits for the event loop";
    ProcessEvents();
    EXPECT_EQ(View().draws, before + 1);
    EXPECT_EQ(Shown(), drawn);
}

TEST_F(Views, RepaintEveryViewWhenNoWindowIsNamed)
{
    OpenWith({{10, 10, L"before"}});
    drawn = {{10, 10, L"after"}};
    InvalidateRect(nullptr, nullptr, TRUE);
    ProcessEvents();
    EXPECT_EQ(Shown(), drawn);
}

TEST_F(Views, ReportLeftButtonReleasesInClientCoordinates)
{
    OpenWith({});
    QWindow* window = FrameWidget()->windowHandle();
    const QPoint origin = ViewWidget()->mapTo(FrameWidget(), QPoint(0, 0));
    QTest::mouseClick(window, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier,
                      origin + QPoint(201, 41));
    QTest::mouseClick(window, Qt::RightButton, {}, origin + QPoint(60, 90));
    // Pressed on the view, released off it: the view does not hear of it.
    QTest::mousePress(window, Qt::LeftButton, {}, origin + QPoint(60, 90));
    QTest::mouseRelease(window, Qt::LeftButton, {}, origin + QPoint(60, -5));
    ProcessEvents();

    ASSERT_EQ(View().releases.size(), 1U);
    EXPECT_EQ(View().releases[0].first, 0x000CU) << "MK_SHIFT | MK_CONTROL";
    EXPECT_EQ(View().releases[0].second, CPoint(201, 41));
}

TEST_F(Views, HaveTheKeyboardOnceShownAndReportThePlainKeysPressedOnThem)
{
    OpenWith({});
    QWidget* view = ViewWidget();
    EXPECT_EQ(QApplication::focusWidget(), view);
    QTest::keyClick(view, Qt::Key_Space);
    QTest::keyClick(view, Qt::Key_D, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_1);
    QTest::keyClick(view, Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(view, Qt::Key_F5);
    // Chords are the accelerators' and the menus', and a key with no virtual key is not one.
    QTest::keyClick(view, Qt::Key_2, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_2, Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_2, Qt::MetaModifier);
    QTest::keyClick(view, Qt::Key_Exclam, Qt::ShiftModifier);
    // A key held down repeats itself, and says so.
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5", true);
    QApplication::sendEvent(view, &repeated);
    ProcessEvents();

    using Key = TestView::Key;
    EXPECT_EQ(View().keys, (std::vector<Key>{{0x20, 1, 0},
                                             {'D', 1, 0},
                                             {'1', 1, 0},
                                             {0x63, 1, 0}, // VK_NUMPAD3
                                             {0x74, 1, 0}, // VK_F5
                                             {'5', 1, KF_REPEAT}}));
    EXPECT_TRUE(View().releases.empty()) << "a key is no click at this level";
}

// The board announces its last round from inside its paint: the box's loop runs while the
// paint is unfinished, and the view must still be drawn whenever it is exposed or invalidated.
TEST_F(Views, PaintAfreshWhileABoxOpenedByTheirOwnPaintIsUp)
{
    const WarningLog warnings;
    int state = 1;
    bool announced = false;
    OpenFrame(false);
    TestView& view = View();
    view.content = [&state] { return Items{{10, 10, CString(std::to_wstring(state).c_str())}}; };
    view.whileDrawing = [&announced] {
        if (!announced) {
            announced = true;
            AfxMessageBox(L"The last round begins.");
        }
    };

    Items whileOpenAfterInvalidate;
    Items whileOpenAfterExpose;
    int inkWhileOpen = 0;
    int boxes = 0;
    WhenModalOpens([&](QWidget* modal) {
        ++boxes;
        state = 2;
        view.Invalidate();
        static_cast<void>(QTest::qWaitFor([&] { return Shown() == Items{{10, 10, L"2"}}; }, 2000));
        whileOpenAfterInvalidate = Shown();

        ProcessEvents(); // the new record is on screen
        state = 3;
        ViewWidget()->update(); // as the window system asks when the box moves off the view
        static_cast<void>(QTest::qWaitFor([&] { return Shown() == Items{{10, 10, L"3"}}; }, 2000));
        whileOpenAfterExpose = Shown();

        const QImage image = GrabView();
        for (int y = 10; y < 30; ++y) {
            for (int x = 10; x < 20; ++x) {
                inkWhileOpen += IsInk(image.pixel(x, y)) ? 1 : 0;
            }
        }
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    ProcessEvents();

    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(whileOpenAfterInvalidate, (Items{{10, 10, L"2"}}));
    EXPECT_EQ(whileOpenAfterExpose, (Items{{10, 10, L"3"}}));
    EXPECT_GT(inkWhileOpen, 10) << "the view behind the box is drawn, not blank";
    EXPECT_EQ(view.deepestNesting, 2);
    EXPECT_EQ(Shown(), (Items{{10, 10, L"3"}})) << "the outer paint, finished last, is shown";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(warnings.Matching("repaint").isEmpty())
        << warnings.Matching("repaint").join('\n').toStdString();
}

} // namespace
} // namespace qttest
