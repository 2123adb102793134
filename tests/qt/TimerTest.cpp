// SPDX-License-Identifier: GPL-3.0-or-later
// Window timers on Qt: WM_TIMER with the timer's id until KillTimer, from inside a box's loop
// too, and never to a window's object once the window is destroyed.
#include "afx/AfxMessageBox.h"
#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QTest>
#include <algorithm>

namespace qttest {
namespace {

class Timers : public QtBackendTest {
protected:
    // The ids of the WM_TIMER messages the frame got, in order.
    std::vector<WPARAM> TimerIds() const
    {
        std::vector<WPARAM> ids;
        for (const Message& message : frame->messages) {
            if (message.message == WM_TIMER) {
                ids.push_back(message.wParam);
            }
        }
        return ids;
    }

    // Lets the event loop run until the frame has had `count` WM_TIMER in all; false if they
    // do not come within a generous while.
    bool WaitForTimers(int count)
    {
        const QDeadlineTimer deadline(10000);
        while (frame->Count(WM_TIMER) < count && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return frame->Count(WM_TIMER) >= count;
    }
};

TEST_F(Timers, RepeatWithTheirIdUntilKilled)
{
    OpenFrame();
    EXPECT_EQ(frame->SetTimer(7, 1), 7U);
    ASSERT_TRUE(WaitForTimers(3));
    const std::vector<WPARAM> ids = TimerIds();
    EXPECT_TRUE(std::all_of(ids.begin(), ids.end(), [](WPARAM id) { return id == 7; }));

    EXPECT_EQ(frame->KillTimer(7), TRUE);
    EXPECT_EQ(frame->KillTimer(7), FALSE) << "killed twice";
    const int fired = frame->Count(WM_TIMER);
    QTest::qWait(100);
    EXPECT_EQ(frame->Count(WM_TIMER), fired);
}

TEST_F(Timers, GoOnWhileABoxIsOpen)
{
    OpenFrame();
    frame->SetTimer(3, 1);
    int firedWhileOpen = 0;
    WhenModalOpens([&](QWidget* box) {
        const int before = frame->Count(WM_TIMER);
        WaitForTimers(before + 2);
        firedWhileOpen = frame->Count(WM_TIMER) - before;
        box->close();
    });
    AfxMessageBox(CString("Waiting"), MB_OK, 0);
    EXPECT_GE(firedWhileOpen, 2);
}

TEST_F(Timers, EndWithTheirWindow)
{
    OpenFrame();
    frame->SetTimer(1, 0);
    frame->SetTimer(2, 1);
    frame->DestroyWindow();
    const int fired = frame->Count(WM_TIMER);
    QTest::qWait(100);
    EXPECT_EQ(frame->Count(WM_TIMER), fired);
    EXPECT_EQ(frame->SetTimer(1, 0), 0U) << "a timer for a window that is gone";
}

} // namespace
} // namespace qttest
