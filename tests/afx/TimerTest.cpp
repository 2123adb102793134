// SPDX-License-Identifier: GPL-3.0-or-later
// Window timers on the headless platform's clock: each falls due at its interval, in order,
// reaches its window's OnTimer through the message map, and ends with KillTimer or the window.
#include "afx/CWnd.h"
#include "afx/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TimedWindow : public CWnd {
public:
    std::vector<UINT_PTR> fired;
    UINT_PTR killOnFire = 0;

protected:
    void OnTimer(UINT_PTR nIDEvent)
    {
        fired.push_back(nIDEvent);
        if (killOnFire != 0) {
            KillTimer(killOnFire);
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimedWindow, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Timers, FallDueAtTheirIntervalsInOrder)
{
    HeadlessPlatform platform;
    TimedWindow window;
    platform.CreateWindow(window);
    EXPECT_EQ(window.SetTimer(30, 300), 30U);
    EXPECT_EQ(window.SetTimer(20, 200), 20U);

    EXPECT_EQ(platform.AdvanceTime(199), 0);
    // At 600 both are due: the one set first goes first.
    EXPECT_EQ(platform.AdvanceTime(401), 5);
    EXPECT_EQ(window.fired, (std::vector<UINT_PTR>{20, 30, 20, 30, 20}));
    EXPECT_EQ(platform.TimerInterval(window, 20), 200U);
}

TEST(Timers, SettingAgainRestartsTheInterval)
{
    HeadlessPlatform platform;
    TimedWindow window;
    platform.CreateWindow(window);
    window.SetTimer(1, 100);
    platform.AdvanceTime(90);
    window.SetTimer(1, 100);
    EXPECT_EQ(platform.AdvanceTime(99), 0);
    EXPECT_EQ(platform.AdvanceTime(1), 1);
    EXPECT_EQ(platform.TimerCount(), 1);
}

TEST(Timers, StopWhenKilledFromTheirOwnHandler)
{
    HeadlessPlatform platform;
    TimedWindow window;
    platform.CreateWindow(window);
    window.SetTimer(5, 0); // as soon as possible: on this clock, every millisecond
    window.killOnFire = 5;
    EXPECT_EQ(platform.AdvanceTime(1000), 1);
    EXPECT_EQ(platform.TimerInterval(window, 5), std::nullopt);
    EXPECT_EQ(window.KillTimer(5), FALSE);
}

TEST(Timers, EndWithTheirWindowAndNeedOne)
{
    HeadlessPlatform platform;
    TimedWindow window;
    EXPECT_EQ(window.SetTimer(1, 10), 0U) << "no window yet";
    platform.CreateWindow(window);
    window.SetTimer(1, 10);
    window.DestroyWindow();
    EXPECT_EQ(platform.TimerCount(), 0);
    EXPECT_EQ(platform.AdvanceTime(100), 0);
    EXPECT_TRUE(window.fired.empty());
}

} // namespace
