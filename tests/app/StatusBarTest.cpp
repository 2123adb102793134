// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar: "Ready" when idle, the highlighted menu item's prompt, and the lock keys.
#include "afx/AfxRes.h"
#include "res/Resource.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/Printers.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace {

TEST_F(ProgramTest, TheMessagePaneShowsTheHighlightedItemsPromptAndThenReady)
{
    struct Step {
        UINT id;
        UINT flags;
        const char* shown;
    };
    const Step steps[] = {
        {ID_FILE_NEW, 0, "Create a new document"},
        {0, MF_SEPARATOR, ""},
        {ID_APP_EXIT, 0, "Quit the application; prompts to save documents"},
        {0, MF_POPUP, ""},
        {ID_APP_ABOUT, 0, "Display program information, version number and copyright"},
        {ID_HELP_RULES, 0, ""},
        {0, MF_MENUCLOSED, "Ready"},
    };
    Run({}, [&] {
        for (const Step& step : steps) {
            platform.MenuSelect(Frame(), step.id, step.flags);
            EXPECT_EQ(Panes().at(0), CString(step.shown)) << step.id << '/' << step.flags;
        }
    });
}

TEST_F(ProgramTest, TheKeyPanesShowTheirKeysExactlyWhileTheLocksAreOn)
{
    Run({}, [&] {
        EXPECT_THAT(platform.PaneSizingTexts(Frame().GetStatusBar()),
                    ElementsAre(CString(), CString("CAP"), CString("NUM"), CString("SCRL")));

        platform.SetLockKey(VK_CAPITAL, true);
        platform.Idle();
        EXPECT_THAT(Panes(), ElementsAre(CString("Ready"), CString("CAP"), CString(), CString()));

        platform.SetLockKey(VK_NUMLOCK, true);
        platform.SetLockKey(VK_SCROLL, true);
        platform.Idle();
        EXPECT_THAT(Panes(),
                    ElementsAre(CString("Ready"), CString("CAP"), CString("NUM"), CString("SCRL")));

        platform.SetLockKey(VK_CAPITAL, false);
        platform.SetLockKey(VK_SCROLL, false);
        platform.Idle();
        EXPECT_THAT(Panes(), ElementsAre(CString("Ready"), CString(), CString("NUM"), CString()));
    });
}

} // namespace
