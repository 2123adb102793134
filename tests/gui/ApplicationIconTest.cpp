// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon as the window system gets it: every window it shows, from the first dialog
// on, offers the desktop every size the source tree draws the icon in.
#include "tests/gui/OnScreenFixture.h"
#include "tests/support/ShippedIcons.h"

namespace {

TEST_F(OnScreenTest, EveryWindowOffersTheIconInEverySizeShipped)
{
    Launch({});
    const XWindowId dialog = WaitForPlayersDialog();
    ASSERT_NE(dialog, 0U);
    EXPECT_EQ(SizeNames(X().IconSizes(dialog)), ShippedSizes())
        << "the \"Number of Players\" dialog";

    const XWindowId main = ChoosePlayers(dialog, 2);
    ASSERT_NE(main, 0U);
    EXPECT_EQ(SizeNames(X().IconSizes(main)), ShippedSizes()) << "the main window";

    // Help > About, by its keys.
    ASSERT_TRUE(Xdo().Focus(main));
    ASSERT_TRUE(Xdo().Key("alt+h"));
    ASSERT_TRUE(Xdo().Key("a"));
    const std::optional<XWindowId> about = Xdo().WaitForShown("^About Zintra_win$", kPatience);
    ASSERT_TRUE(about.has_value()) << "the About box did not show";
    EXPECT_EQ(SizeNames(X().IconSizes(*about)), ShippedSizes()) << "the About box";
}

} // namespace
