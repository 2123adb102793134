// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and boxes on their screen: the frame's view scrolls only where the screen is too
// small for it, and a message box taller than the screen scrolls its text.
#include "afx/AfxMessageBox.h"
#include "afx/qt/ViewScrollArea.h"
#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <string>

namespace qttest {
namespace {

class ScreenFit : public QtBackendTest {
protected:
    afx::qt::ViewScrollArea* ViewArea() const
    {
        return dynamic_cast<afx::qt::ViewScrollArea*>(FrameWidget()->centralWidget());
    }

    bool ShowsScrollBars() const
    {
        return ViewArea()->horizontalScrollBar()->isVisible() ||
               ViewArea()->verticalScrollBar()->isVisible();
    }
};

TEST_F(ScreenFit, FrameOnAScreenThatHoldsTheViewShowsItWithNoScrollBarsWhateverItsSize)
{
    OpenFrame();
    ASSERT_NE(ViewArea(), nullptr);
    EXPECT_FALSE(ShowsScrollBars());
    EXPECT_EQ(ViewWidget()->size(), ViewArea()->viewport()->size());

    // Made smaller by hand, the frame cuts the view off as it always has.
    FrameWidget()->resize(300, 200);
    ProcessEvents();
    EXPECT_FALSE(ShowsScrollBars());
    EXPECT_EQ(ViewWidget()->size(), ViewArea()->viewport()->size());
}

TEST_F(ScreenFit, ScrolledViewTakesNoReleaseOverAPartOutOfSight)
{
    OpenFrame();
    // As on a screen too small for the view.
    ViewArea()->KeepViewWhole();
    FrameWidget()->resize(400, 300);
    ProcessEvents();
    ASSERT_TRUE(ShowsScrollBars());
    QWidget* view = ViewWidget();
    const QPoint inSight(20, 30);
    const QPoint outOfSight(20, ViewArea()->viewport()->height() + 20);
    ASSERT_TRUE(view->rect().contains(outOfSight));

    // Pressed on the view, released where it lies under the scroll bar and the status bar.
    QTest::mousePress(view, Qt::LeftButton, {}, inSight);
    QTest::mouseRelease(view, Qt::LeftButton, {}, outOfSight);
    QTest::mousePress(view, Qt::LeftButton, {}, inSight);
    QTest::mouseRelease(view, Qt::LeftButton, {}, inSight);
    ProcessEvents();
    ASSERT_EQ(View().releases.size(), 1U);
    EXPECT_EQ(View().releases[0].second, CPoint(inSight.x(), inSight.y()));
}

struct BoxText {
    const char* name;
    int lines;
    bool scrolls;
};

const BoxText kBoxTexts[] = {
    {"OfAFewLinesShowsThemAsQtDoes", 3, false},
    {"TallerThanTheScreenScrollsItsText", 200, true},
};

class BoxTexts : public QtBackendTest, public testing::WithParamInterface<BoxText> {};

TEST_P(BoxTexts, BoxFitsTheScreenWithItsButtonInView)
{
    OpenFrame();
    QString text;
    for (int line = 1; line <= GetParam().lines; ++line) {
        text += QStringLiteral("Line %1 of a long explanation.\n").arg(line);
    }
    QRect screen;
    QRect shown;
    QRect button;
    bool labelShown = false;
    bool scrolls = false;
    QString scrolledText;
    bool wrappedAlike = false;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        screen = box->screen()->availableGeometry();
        shown = box->frameGeometry();
        const QAbstractButton* ok = box->button(QMessageBox::Ok);
        button = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        labelShown = label != nullptr && label->isVisible();
        if (const auto* area = box->findChild<QScrollArea*>(); area != nullptr) {
            scrolls = area->isVisible() && area->verticalScrollBar()->maximum() > 0;
            if (const auto* scrolled = qobject_cast<const QLabel*>(area->widget())) {
                scrolledText = scrolled->text();
                wrappedAlike = label != nullptr && scrolled->width() == label->width();
            }
        }
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(AfxMessageBox(CString(text.toStdWString().c_str())), IDOK);
    EXPECT_TRUE(screen.contains(shown))
        << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height();
    EXPECT_TRUE(screen.contains(button));
    EXPECT_EQ(scrolls, GetParam().scrolls);
    EXPECT_EQ(labelShown, !GetParam().scrolls);
    if (GetParam().scrolls) {
        EXPECT_EQ(scrolledText, text);
        EXPECT_TRUE(wrappedAlike) << "the scrolling text is as wide as the box made its label";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BoxTexts, testing::ValuesIn(kBoxTexts),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace qttest
