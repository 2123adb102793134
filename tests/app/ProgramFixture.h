// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program run on the headless platform: start-up with a command line, the user's
// actions while the message loop runs, and the exit. Dialogs are answered by a script.
#pragma once

#include "afx/headless/HeadlessPlatform.h"
#include "app/MainFrm.h"
#include "game/Zintra_winDoc.h"
#include "view/Zintra_winView.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class ProgramTest : public testing::Test {
protected:
    // Runs the program with `arguments` (after its name); `whileRunning` acts as the user while
    // the message loop runs. Returns the exit code.
    int Run(const std::vector<std::string>& arguments,
            const std::function<void()>& whileRunning = {});

    // Every number-of-players dialog from now on is answered by clicking the button for
    // `players` (none for 0) and then OK.
    void ChoosePlayers(int players);

    // While the program runs: its main window, board and game.
    static CMainFrame& Frame();
    static CZintra_winView& View();
    static CZintra_winDoc& Doc();
    // The status bar's panes as shown.
    std::vector<CString> Panes() const;

    HeadlessPlatform platform;
    // The file the program is started from, as argv[0] names it.
    std::string startedAs = "zintra_win";
    // The template id of every dialog shown, oldest first.
    std::vector<UINT> dialogsShown;
};
