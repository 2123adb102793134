// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Zintra_win.h"

#include "afx/AfxMessageBox.h"
#include "afx/AfxRes.h"
#include "afx/CDocTemplate.h"
#include "afx/CWnd.h"
#include "app/AboutDlg.h"
#include "app/CommandLine.h"
#include "app/MainFrm.h"
#include "game/ShuffleSeed.h"
#include "game/Zintra_winDoc.h"
#include "res/Resource.h"
#include "view/Zintra_winView.h"

#include <iostream>

BEGIN_MESSAGE_MAP(CZintra_winApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, &CZintra_winApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_HELP_RULES, &CZintra_winApp::OnHelpRules)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

// The one program object. Its name comes from the string table when the program starts; its
// construction allocates nothing, so nothing can throw before main.
CZintra_winApp theApp; // NOLINT(cert-err58-cpp)

CZintra_winApp::CZintra_winApp()
    : CWinApp(nullptr)
{
    // The name it is installed under, as the manual page and --help call it, whatever file
    // or link it was started from.
    m_pszExeName = L"zintra_win";
}

CZintra_winApp::~CZintra_winApp() = default;

BOOL CZintra_winApp::InitInstance()
{
    CWinApp::InitInstance();

    SetRegistryKey(L"Local AppWizard-Generated Applications");
    LoadStdProfileSettings(0); // no recent-file list

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CZintra_winDoc),
                                          RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CZintra_winView)));

    CZintra_winCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    // Help, the version and errors are answered before any window opens.
    if (cmdInfo.m_request != CZintra_winCommandLineInfo::Request::Play) {
        AfxPostQuitMessage(cmdInfo.Answer(m_pszExeName, std::cout, std::cerr));
        return FALSE;
    }
    SetFixedShuffleSeed(cmdInfo.m_seed);

    // Makes the document, the frame and the board, and asks for the first game's players
    // while the main window is still hidden.
    if (ProcessShellCommand(cmdInfo) == FALSE) {
        return FALSE;
    }
    if (cmdInfo.m_computers.seats.any()) {
        PlayComputers(cmdInfo.m_computers, cmdInfo.m_seed);
    }

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

void CZintra_winApp::PlayComputers(ComputerPlayers players, std::optional<unsigned> seed)
{
    // A seeded run replays whole: the deal and every computer's choice.
    players.seed = seed;
    const auto* frame = dynamic_cast<const CMainFrame*>(m_pMainWnd);
    if (auto* view =
            frame != nullptr ? dynamic_cast<CZintra_winView*>(frame->GetActiveView()) : nullptr;
        view != nullptr) {
        view->SetComputerPlayers(players);
    }
}

void CZintra_winApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CZintra_winApp::OnHelpRules()
{
    // Loaded afresh each time and released when the box closes.
    CString strRules;
    strRules.LoadString(IDS_RULES);
    AfxMessageBox(strRules, MB_OK | MB_ICONINFORMATION, 0);
}
