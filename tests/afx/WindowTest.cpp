// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CDocument.h"
#include "afx/CView.h"
#include "afx/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::wstring>;

// A window that handles the button release and painting, and a window derived from it that
// handles only the release itself, passing it on when asked to.
class BaseWindow : public CWnd {
public:
    std::vector<std::string> calls;

protected:
    void OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) { calls.emplace_back("base release"); }
    void OnPaint() { calls.emplace_back("base paint"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWindow, CWnd)
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
END_MESSAGE_MAP()

class DerivedWindow : public BaseWindow {
public:
    UINT flags = 0;
    CPoint point;
    bool passOn = false;
    // Sent to this window from inside the release handler, before it passes the release on.
    UINT nestedMessage = 0;

protected:
    void OnLButtonUp(UINT nFlags, CPoint releasedAt)
    {
        calls.emplace_back("derived release");
        flags = nFlags;
        point = releasedAt;
        if (nestedMessage != 0) {
            SendMessage(nestedMessage);
        }
        if (passOn) {
            Default();
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWindow, BaseWindow)
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

class MessageMaps : public testing::Test {
protected:
    MessageMaps() { platform.CreateWindow(window); }

    HeadlessPlatform platform;
    DerivedWindow window;
};

TEST_F(MessageMaps, GiveAMessageToTheMostDerivedHandler)
{
    platform.Click(window, 30, 40, 0x0009U);
    EXPECT_EQ(window.calls, std::vector<std::string>{"derived release"});
    EXPECT_EQ(window.flags, 0x0009U);
    EXPECT_EQ(window.point, CPoint(30, 40));
    EXPECT_TRUE(platform.Log().empty()) << "a handled message is not passed on by itself";
}

TEST_F(MessageMaps, FallBackToTheBaseClassMap)
{
    platform.Paint(window);
    EXPECT_EQ(window.calls, std::vector<std::string>{"base paint"});
}

TEST_F(MessageMaps, PassWhatNoMapHoldsToTheToolkit)
{
    EXPECT_EQ(window.SendMessage(WM_CREATE), 0);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_EQ(platform.Trace(), Trace{L"default 0x0001"});
}

TEST_F(MessageMaps, CarryPointsLeftOfAndAboveTheWindow)
{
    platform.Click(window, -5, -32768);
    EXPECT_EQ(window.point, CPoint(-5, -32768));
    platform.Click(window, 32767, 0);
    EXPECT_EQ(window.point, CPoint(32767, 0));
}

TEST_F(MessageMaps, DefaultPassesOnTheMessageBeingHandledEvenAfterANestedOne)
{
    window.passOn = true;
    window.nestedMessage = WM_CREATE;
    platform.Click(window, 1, 2);
    EXPECT_EQ(platform.Trace(), (Trace{L"default 0x0001", L"default 0x0202"}));
}

TEST(Windows, InvalidateTheirWholeAreaOnlyOnceCreated)
{
    HeadlessPlatform platform;
    DerivedWindow window;
    window.Invalidate();
    EXPECT_TRUE(platform.Log().empty()) << "no window yet";

    platform.CreateWindow(window);
    platform.Paint(window);
    platform.ClearLog();
    window.Invalidate(FALSE);
    ASSERT_EQ(platform.Log().size(), 1U);
    EXPECT_EQ(platform.Log()[0].window, window.m_hWnd);
    EXPECT_TRUE(platform.Log()[0].wholeArea);
    EXPECT_EQ(platform.Log()[0].erase, FALSE);
    EXPECT_TRUE(platform.NeedsPaint(window));
}

TEST(Windows, AreForgottenByThePlatformWhenTheyGo)
{
    HeadlessPlatform platform;
    auto window = std::make_unique<DerivedWindow>();
    platform.CreateWindow(*window);
    window.reset();
    EXPECT_EQ(platform.PaintInvalidated(), 0);
}

// A view that counts its paints.
class CountingView : public CView {
public:
    int draws = 0;

protected:
    void OnDraw(CDC* /*pDC*/) override { ++draws; }
};

TEST(Views, BelongToOneDocumentAtATime)
{
    CDocument first;
    CDocument second;
    CountingView view;
    EXPECT_EQ(view.GetDocument(), nullptr);

    first.AddView(&view);
    EXPECT_EQ(view.GetDocument(), &first);
    second.AddView(&view);
    EXPECT_EQ(view.GetDocument(), &second);
    EXPECT_TRUE(first.GetViews().empty());
    EXPECT_EQ(second.GetViews(), std::vector<CView*>{&view});
}

TEST(Views, OutlivingTheirDocumentAreLeftWithoutOne)
{
    CountingView view;
    {
        CDocument doc;
        doc.AddView(&view);
    }
    EXPECT_EQ(view.GetDocument(), nullptr);
}

TEST(Views, LeaveTheirDocumentWhenTheyGo)
{
    CDocument doc;
    {
        CountingView view;
        doc.AddView(&view);
    }
    EXPECT_TRUE(doc.GetViews().empty());
}

TEST(Views, DrawThroughOnDrawWhenPainted)
{
    HeadlessPlatform platform;
    CountingView view;
    platform.CreateWindow(view);
    platform.Paint(view);
    EXPECT_EQ(view.draws, 1);
    EXPECT_EQ(platform.Trace(), Trace{L"paint"});
}

} // namespace
