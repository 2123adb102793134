// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own icon, as its resources name it and its build embeds it, on real widgets:
// the About box's picture, and the window icon of the main window and of a dialog shown before
// the main window is.
#include "res/Resource.h"
#include "res/Zintra_winResources.h"
#include "tests/qt/QtFixture.h"
#include "tests/support/ShippedIcons.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QSize>
#include <QWidget>
#include <string>
#include <vector>

namespace qttest {
namespace {

// The backend on the program's own resources rather than the test program's.
class ApplicationIcon : public QtBackendTest {
protected:
    ApplicationIcon() { afx::SetResources(&res::Bundle()); }
};

TEST_F(ApplicationIcon, IsTheAboutBoxsPictureAsShipped)
{
    CDialog about(IDD_ABOUTBOX);
    QImage shown;
    WhenModalOpens([&](QWidget* modal) {
        for (const QLabel* label : modal->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                shown = label->pixmap().toImage();
            }
        }
        modal->close();
    });
    about.DoModal();
    ASSERT_FALSE(shown.isNull()) << "the About box shows no picture";
    // The bitmap drawn for that size, pixel for pixel (as a pixmap holds it, premultiplied).
    const QImage shipped(QString::fromStdString(ShippedIconsDir()) +
                         QStringLiteral("/zintra_win-%1.png").arg(shown.width()));
    ASSERT_FALSE(shipped.isNull()) << "no bitmap of " << shown.width() << " pixels in res/icons";
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                shipped.convertToFormat(QImage::Format_ARGB32_Premultiplied))
        << "the About box's picture is not the " << shown.width() << "-pixel bitmap";
}

TEST_F(ApplicationIcon, MarksTheMainWindowInEverySizeShipped)
{
    OpenFrame(true, IDR_MAINFRAME);
    EXPECT_EQ(SizeNames(FrameWidget()->windowIcon().availableSizes()), ShippedSizes());
}

TEST_F(ApplicationIcon, MarksADialogShownWhileTheMainWindowIsHidden)
{
    // As at start-up: the frame exists but is hidden while the number of players is asked for.
    OpenFrame(false, IDR_MAINFRAME);
    CDialog players(IDD_NUMPLAYERS);
    std::vector<std::string> sizes;
    WhenModalOpens([&](QWidget* modal) {
        sizes = SizeNames(modal->windowIcon().availableSizes());
        modal->close();
    });
    players.DoModal();
    EXPECT_EQ(sizes, ShippedSizes());
}

} // namespace
} // namespace qttest
