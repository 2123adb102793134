// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/AfxRes.h"
#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <string>
#include <vector>

namespace qttest {
namespace {

class Frames : public QtBackendTest {};

QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions) {
        texts.append(action->isSeparator() ? QStringLiteral("---") : action->text());
    }
    return texts;
}

TEST_F(Frames, BuildTheirMenuBarFromTheResourceWithNoKeysOfItsOwn)
{
    OpenFrame();
    const QMenuBar* bar = FrameWidget()->menuBar();
    ASSERT_EQ(Texts(bar->actions()), (QStringList{"&Game", "&Help"}));
    EXPECT_EQ(Texts(bar->actions()[0]->menu()->actions()),
              (QStringList{"&New\tCtrl+N", "---", "E&xit"}));
    EXPECT_EQ(Texts(bar->actions()[1]->menu()->actions()), (QStringList{"&About...", "Plain"}));

    // Keys belong to the accelerator table alone: no action carries a shortcut that could
    // fire twice or where the table has none.
    for (const QAction* action : FrameWidget()->findChildren<QAction*>()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
    }
    EXPECT_EQ(FrameWidget()->findChildren<QShortcut*>().size(), 13);
    EXPECT_EQ(FrameWidget()->windowTitle(), "Backend Test");
}

TEST_F(Frames, SendTheCommandOfAMenuItemChosenWithTheMouse)
{
    OpenFrame();
    QMenuBar* bar = FrameWidget()->menuBar();
    QAction* game = bar->actions()[0];
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(game).center());
    QMenu* menu = game->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    QAction* exit = menu->actions()[2];
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(exit).center());
    ProcessEvents();
    EXPECT_EQ(frame->Commands(), std::vector<UINT>{ID_APP_EXIT});
    EXPECT_FALSE(menu->isVisible());
}

struct Accelerator {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    UINT command;
};

const Accelerator kAccelerators[] = {
    {"CtrlN", Qt::Key_N, Qt::ControlModifier, ID_FILE_NEW},
    {"CtrlO", Qt::Key_O, Qt::ControlModifier, ID_FILE_OPEN},
    {"CtrlS", Qt::Key_S, Qt::ControlModifier, ID_FILE_SAVE},
    {"CtrlZ", Qt::Key_Z, Qt::ControlModifier, ID_EDIT_UNDO},
    {"CtrlX", Qt::Key_X, Qt::ControlModifier, ID_EDIT_CUT},
    {"CtrlC", Qt::Key_C, Qt::ControlModifier, ID_EDIT_COPY},
    {"CtrlV", Qt::Key_V, Qt::ControlModifier, ID_EDIT_PASTE},
    {"AltBackspace", Qt::Key_Backspace, Qt::AltModifier, ID_EDIT_UNDO},
    {"ShiftDelete", Qt::Key_Delete, Qt::ShiftModifier, ID_EDIT_CUT},
    {"CtrlInsert", Qt::Key_Insert, Qt::ControlModifier, ID_EDIT_COPY},
    {"ShiftInsert", Qt::Key_Insert, Qt::ShiftModifier, ID_EDIT_PASTE},
    {"F6", Qt::Key_F6, Qt::NoModifier, ID_NEXT_PANE},
    {"ShiftF6", Qt::Key_F6, Qt::ShiftModifier, ID_PREV_PANE},
};

class Accelerators : public QtBackendTest, public testing::WithParamInterface<Accelerator> {};

TEST_P(Accelerators, SendTheirCommandOnceFromAnywhereInTheFrame)
{
    OpenFrame();
    QTest::keyClick(ViewWidget(), GetParam().key, GetParam().modifiers);
    ProcessEvents();
    EXPECT_EQ(frame->Commands(), std::vector<UINT>{GetParam().command});
}

INSTANTIATE_TEST_SUITE_P(Table, Accelerators, testing::ValuesIn(kAccelerators),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(Frames, IgnoreKeysTheirTableDoesNotHold)
{
    OpenFrame();
    QTest::keyClick(ViewWidget(), Qt::Key_N);
    QTest::keyClick(ViewWidget(), Qt::Key_N, Qt::AltModifier | Qt::ControlModifier);
    QTest::keyClick(ViewWidget(), Qt::Key_F7);
    ProcessEvents();
    EXPECT_TRUE(frame->Commands().empty());
}

TEST_F(Frames, ShowThePromptOfTheHighlightedItemAndTheIdleTextOnceTheMenusClose)
{
    OpenFrame();
    const QLabel* message = Panes().at(0);
    EXPECT_EQ(message->text(), "Waiting");

    // Alt+G opens the Game menu with its first item highlighted.
    QTest::keyClick(FrameWidget(), Qt::Key_G, Qt::AltModifier);
    ProcessEvents();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(message->text(), "Start over");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down); // over the separator
    EXPECT_EQ(message->text(), "Leave");

    // On to the Help menu: one drop-down closes before the next opens, with no idle text
    // in between.
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    ProcessEvents();
    EXPECT_EQ(message->text(), "About this");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
    EXPECT_EQ(message->text(), "") << "an item without a prompt leaves the pane blank";
    EXPECT_TRUE(message->isVisible());

    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ProcessEvents();
    if (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr) {
        QTest::keyClick(popup, Qt::Key_Escape);
        ProcessEvents();
    }
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(message->text(), "Waiting");
    EXPECT_TRUE(message->isVisible()) << "no temporary message hides the panes";
    EXPECT_EQ(FrameWidget()->statusBar()->currentMessage(), "");

    // Nothing else gets to put a temporary message over the panes either.
    QStatusTipEvent tip(QStringLiteral("A tip of Qt's own"));
    QCoreApplication::sendEvent(FrameWidget()->menuBar(), &tip);
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(FrameWidget()->statusBar()->currentMessage(), "");

    const QString about = QString::number(ID_APP_ABOUT);
    const QString plain = QString::number(ID_PLAIN);
    const QStringList expected{
        "popup", QString::number(ID_FILE_NEW), QString::number(ID_APP_EXIT), "popup", about, plain,
        "closed"};
    EXPECT_EQ(frame->MenuSelections(), expected);
}

TEST_F(Frames, LayTheStatusBarOutAsItsPanesAsk)
{
    OpenFrame();
    const std::vector<QLabel*> panes = Panes();
    ASSERT_EQ(panes.size(), 4U);
    const std::vector<QString> sizing{"", "CAP", "NUM", "SCRL"};
    for (size_t index = 1; index < panes.size(); ++index) {
        const int needed = panes[index]->fontMetrics().horizontalAdvance(sizing.at(index)) +
                           2 * panes[index]->frameWidth();
        EXPECT_GE(panes[index]->width(), needed) << sizing.at(index).toStdString();
        EXPECT_LT(panes[index]->width(), needed + 40) << sizing.at(index).toStdString();
        EXPECT_GT(panes[index]->x(), panes[index - 1]->x()) << "panes run left to right";
    }

    // The message pane takes what the others leave, and no text of it widens the window.
    const int keyPaneWidth = panes[3]->width();
    FrameWidget()->resize(FrameWidget()->width() + 200, FrameWidget()->height());
    ProcessEvents();
    EXPECT_EQ(panes[3]->width(), keyPaneWidth);
    const int messageWidth = panes[0]->width();
    EXPECT_GT(messageWidth, FrameWidget()->width() / 2);
    const int frameWidth = FrameWidget()->width();
    frame->statusBar.SetPaneText(0, CString(std::wstring(400, L'x').c_str()));
    ProcessEvents();
    EXPECT_EQ(FrameWidget()->width(), frameWidth);
    EXPECT_EQ(panes[0]->width(), messageWidth);
}

TEST_F(Frames, GiveTheViewRoomForTheWholeBoardAndStayOnTheScreen)
{
    OpenFrame();
    const QRect available = FrameWidget()->screen()->availableGeometry();
    const QSize board(800, 660);
    const QSize view = ViewWidget()->size();
    EXPECT_GE(view.width(), std::min(board.width(), available.width() - 20));
    EXPECT_GE(view.height(), std::min(board.height(), available.height() - 100));
    EXPECT_TRUE(available.contains(FrameWidget()->geometry()));
    // No window manager places it on this platform: it is centred.
    EXPECT_LE((FrameWidget()->geometry().center() - available.center()).manhattanLength(), 4)
        << FrameWidget()->geometry().x() << "," << FrameWidget()->geometry().y() << " "
        << FrameWidget()->width() << "x" << FrameWidget()->height();
}

TEST_F(Frames, CarryTheirIconInEverySizeGiven)
{
    OpenFrame();
    const QList<QSize> sizes = FrameWidget()->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

TEST_F(Frames, LeaveTheirCloseBoxToTheFrameObject)
{
    OpenFrame();
    frame->keepOpen = true;
    EXPECT_FALSE(FrameWidget()->close());
    EXPECT_EQ(frame->Count(WM_CLOSE), 1);
    EXPECT_TRUE(FrameWidget()->isVisible()) << "the object kept it open";

    frame->keepOpen = false;
    const QPointer<QWidget> widget = FrameWidget();
    const QPointer<QWidget> view = ViewWidget();
    widget->close();
    EXPECT_EQ(frame->Count(WM_CLOSE), 2);
    EXPECT_EQ(frame->m_hWnd, nullptr);
    EXPECT_EQ(View().m_hWnd, nullptr) << "the view's window went with its frame";
    EXPECT_EQ(frame->statusBar.m_hWnd, nullptr);
    const QWidget* closed = widget.data();
    ASSERT_NE(closed, nullptr) << "deleted inside its own close handling";
    EXPECT_FALSE(closed->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(widget.isNull());
    EXPECT_TRUE(view.isNull());
}

TEST_F(Frames, HearOfIdleTimeWhenShownAndNotWhileNothingHappens)
{
    OpenFrame(false);
    EXPECT_EQ(frame->Count(WM_IDLEUPDATECMDUI), 0);
    frame->ShowWindow(SW_SHOW);
    EXPECT_EQ(frame->Count(WM_IDLEUPDATECMDUI), 1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(FrameWidget()));

    // No lock key can change here, so nothing wakes the program to look.
    frame->messages.clear();
    QTest::keyClick(ViewWidget(), Qt::Key_A);
    QTest::qWait(1200);
    EXPECT_EQ(frame->Count(WM_IDLEUPDATECMDUI), 0);
}

} // namespace
} // namespace qttest
