// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told of a view: the view as one object named by its window text,
// its lines as children in drawing order with their texts and places, and, at each new drawing,
// which lines changed. Qt's accessibility bridge is off on this test platform: the events that
// go out on the desktop's accessibility bus are checked on a real one (tests/gui).
#include "afx/qt/ViewAccessible.h"

#include "afx/qt/DrawingReplay.h"
#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QMainWindow>
#include <QStringList>
#include <QTest>
#include <vector>

namespace qttest {
namespace {

using Items = std::vector<CDC::TextItem>;

class ViewAccessibility : public QtBackendTest {
protected:
    void OpenWith(const Items& items)
    {
        drawn = items;
        OpenFrame(false);
        View().content = [this] { return drawn; };
        View().SetWindowText(L"Seats");
        FrameWidget()->resize(900, 760);
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FrameWidget()));
        ProcessEvents();
    }

    // The view's interface, made from what the view shows if nobody asked for it before.
    afx::qt::ViewAccessible* Board() const
    {
        return dynamic_cast<afx::qt::ViewAccessible*>(
            QAccessible::queryAccessibleInterface(ViewWidget()));
    }

    // Has the view draw `items` instead.
    void Redraw(const Items& items)
    {
        drawn = items;
        View().Invalidate();
        ProcessEvents();
        ASSERT_EQ(*platform.ShownDrawing(View().m_hWnd), drawn);
    }

    Items drawn;
};

const Items kSeats{
    {200, 0, L"Two seats left"},
    {200, 40, L"Seat #1|   taken"},
    {50, 100, L"Sit!"},
    {100, 600, L"It is your turn."},
};

TEST_F(ViewAccessibility, ShowTheViewAsOneObjectWithItsLinesInDrawingOrderWhereTheyStand)
{
    OpenWith(kSeats);
    afx::qt::ViewAccessible* board = Board();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Canvas);
    EXPECT_EQ(board->text(QAccessible::Name), "Seats") << "the view's window text";
    EXPECT_TRUE(board->state().focusable);
    EXPECT_TRUE(board->state().focused) << "the view has the keyboard once its frame shows";
    const QAccessibleInterface* main = QAccessible::queryAccessibleInterface(FrameWidget());
    ASSERT_NE(main, nullptr);
    // The view may sit in a scroll area of its own; each step up the tree lists the one below,
    // so that a screen reader walking down from the frame meets the board.
    const QAccessibleInterface* below = board;
    const QAccessibleInterface* above = board->parent();
    while (above != nullptr && above->object() != main->object()) {
        EXPECT_GE(above->indexOfChild(below), 0) << "an ancestor of the view lists it";
        below = above;
        above = above->parent();
    }
    ASSERT_NE(above, nullptr) << "the view is not in the frame's tree";
    EXPECT_GE(main->indexOfChild(below), 0) << "the frame lists what holds the view";

    const QFontMetrics metrics(afx::qt::ViewFont(), ViewWidget());
    ASSERT_EQ(board->childCount(), static_cast<int>(kSeats.size()));
    for (int index = 0; index < board->childCount(); ++index) {
        const CDC::TextItem& item = kSeats[static_cast<size_t>(index)];
        SCOPED_TRACE(QString::fromWCharArray(item.text.GetString()).toStdString());
        QAccessibleInterface* line = board->child(index);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(QAccessible::Name), QString::fromWCharArray(item.text.GetString()));
        EXPECT_EQ(line->role(), QAccessible::StaticText);
        EXPECT_FALSE(line->state().invisible);
        EXPECT_FALSE(line->state().focusable);
        const QRect where(
            ViewWidget()->mapToGlobal(QPoint(item.x, item.y)),
            QSize(metrics.horizontalAdvance(QString::fromWCharArray(item.text.GetString())),
                  metrics.height()));
        EXPECT_EQ(line->rect(), where);
        EXPECT_EQ(board->indexOfChild(line), index);
        EXPECT_EQ(line->parent(), board);
        EXPECT_EQ(board->childAt(where.center().x(), where.center().y()), line);
    }
}

TEST_F(ViewAccessibility, FollowANewDrawingAndSayWhatItChanged)
{
    OpenWith(kSeats);
    afx::qt::ViewAccessible* board = Board();
    ASSERT_NE(board, nullptr);
    QAccessibleInterface* prompt = board->child(3);
    EXPECT_EQ(board->text(QAccessible::Description),
              "Two seats left\nSeat #1|   taken\nSit!\nIt is your turn.")
        << "all is news to the first who asks";

    // The banner goes, a line appears, the prompt changes; the rest stays as it was.
    const Items next{
        {200, 40, L"Seat #1|   taken"},
        {50, 100, L"Sit!"},
        {50, 150, L"B"},
        {100, 600, L"It is your turn again."},
    };
    Redraw(next);
    ASSERT_EQ(board->childCount(), 4);
    QStringList names;
    for (int index = 0; index < board->childCount(); ++index) {
        names << board->child(index)->text(QAccessible::Name);
    }
    EXPECT_EQ(names, QStringList({"Seat #1|   taken", "Sit!", "B", "It is your turn again."}));
    EXPECT_EQ(board->child(3), prompt) << "the line at the same place is the same object";
    EXPECT_EQ(board->text(QAccessible::Description), "B\nIt is your turn again.");

    // Drawing the same again says nothing new, and keeps the last news.
    Redraw(next);
    EXPECT_EQ(board->childCount(), 4);
    EXPECT_EQ(board->text(QAccessible::Description), "B\nIt is your turn again.");

    // Two lines at one place are two objects.
    Redraw({{10, 10, L"one"}, {10, 10, L"two"}});
    ASSERT_EQ(board->childCount(), 2);
    EXPECT_NE(board->child(0), board->child(1));
    EXPECT_EQ(board->text(QAccessible::Description), "one\ntwo");
}

} // namespace
} // namespace qttest
