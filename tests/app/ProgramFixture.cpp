// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/ProgramFixture.h"

#include "afx/CWinApp.h"
#include "res/Resource.h"
#include "res/Zintra_winResources.h"

int ProgramTest::Run(const std::vector<std::string>& arguments,
                     const std::function<void()>& whileRunning)
{
    std::vector<std::string> commandLine{startedAs};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : commandLine) {
        argv.push_back(argument.data());
    }
    platform.whileLoopRuns = whileRunning;
    return afx::RunProgram(static_cast<int>(argv.size()), argv.data(), res::Bundle());
}

void ProgramTest::ChoosePlayers(int players)
{
    platform.whileDialogOpen = [this, players](CWnd& dialog, const afx::DialogResource& tmpl) {
        dialogsShown.push_back(tmpl.id);
        if (players >= 2) {
            platform.ClickDialogButton(dialog, IDC_PLAYERS_2 + (players - 2));
        }
        platform.PressEnter(dialog);
    };
}

CMainFrame& ProgramTest::Frame()
{
    return dynamic_cast<CMainFrame&>(*AfxGetApp()->m_pMainWnd);
}

CZintra_winView& ProgramTest::View()
{
    return dynamic_cast<CZintra_winView&>(*Frame().GetActiveView());
}

CZintra_winDoc& ProgramTest::Doc()
{
    return dynamic_cast<CZintra_winDoc&>(*Frame().GetActiveDocument());
}

std::vector<CString> ProgramTest::Panes() const
{
    return platform.PaneTexts(Frame().GetStatusBar());
}
