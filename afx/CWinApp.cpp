// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CWinApp.h"

#include "afx/AfxRes.h"
#include "afx/CCommandLineInfo.h"
#include "afx/CDocTemplate.h"
#include "afx/CWnd.h"
#include "afx/ModalState.h"
#include "afx/Platform.h"
#include "afx/Resources.h"

namespace {
CWinApp* g_app = nullptr;
} // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

CWinApp* AfxGetApp()
{
    return g_app;
}

void AfxPostQuitMessage(int nExitCode)
{
    if (g_app != nullptr) {
        g_app->SetQuitCode(nExitCode);
    }
    if (afx::Platform* platform = afx::GetPlatform(); platform != nullptr) {
        platform->PostQuitMessage(nExitCode);
    }
}

CWinApp::CWinApp(const wchar_t* lpszAppName)
{
    if (lpszAppName != nullptr) {
        m_pszAppName = lpszAppName;
    }
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (afx::Platform* platform = afx::GetPlatform(); platform != nullptr) {
        SetQuitCode(platform->RunMessageLoop());
    }
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    if (m_pDocTemplate != nullptr) {
        m_pDocTemplate->CloseAllDocuments();
    }
    m_pMainWnd = nullptr;
    return m_quitCode.value_or(0);
}

void CWinApp::OnFileNew()
{
    if (m_pDocTemplate != nullptr) {
        m_pDocTemplate->OpenDocumentFile(nullptr);
    }
}

void CWinApp::OnFileOpen()
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr) {
        return;
    }
    CString path;
    {
        const afx::ModalScope open;
        if (platform->PromptForFileToOpen(m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr,
                                          path) == FALSE) {
            return;
        }
    }
    OpenDocumentFile(path);
}

CDocument* CWinApp::OpenDocumentFile(const wchar_t* lpszFileName)
{
    return m_pDocTemplate != nullptr ? m_pDocTemplate->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr) {
        m_pMainWnd->SendMessage(WM_CLOSE);
    }
}

void CWinApp::SetCommandLine(std::vector<std::string> arguments)
{
    m_arguments = std::move(arguments);
}

void CWinApp::SetRegistryKey(const wchar_t* /*lpszRegistryKey*/)
{
    // The key would only say where to keep the settings, and the framework keeps none (see
    // LoadStdProfileSettings): there is nothing to remember it for.
}

void CWinApp::LoadStdProfileSettings(UINT /*nMaxMRU*/)
{
    // The framework's only standard setting is the recent-file list, and no program of this
    // framework keeps one: there is nothing to load, whatever its length.
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* pTemplate)
{
    m_pDocTemplate.reset(pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (size_t index = 1; index < m_arguments.size(); ++index) {
        const std::string& argument = m_arguments[index];
        // On this platform only '-' starts a flag: '/' starts a path.
        const bool isFlag = argument.size() > 1 && argument.front() == '-';
        const std::wstring param =
            afx::WidenKeepingBytes(isFlag ? argument.c_str() + 1 : argument.c_str());
        rCmdInfo.ParseParam(param.c_str(), isFlag ? TRUE : FALSE,
                            index + 1 == m_arguments.size() ? TRUE : FALSE);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& /*rCmdInfo*/)
{
    // Programs on this framework open no files from their command line: whatever it said,
    // they start with a new document. The program's map decides what that is; the
    // framework's own command is the fallback.
    if (OnCmdMsg(ID_FILE_NEW, CN_COMMAND) == FALSE) {
        OnFileNew();
    }
    return m_pMainWnd != nullptr ? TRUE : FALSE;
}

int afx::RunProgram(int argc, char* argv[], const ResourceBundle& resources)
{
    SetResources(&resources);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    app->SetCommandLine(std::vector<std::string>(argv, argv + argc));
    app->SetQuitCode(std::nullopt);
    if (app->m_pszAppName.IsEmpty()) {
        app->m_pszAppName.LoadString(AFX_IDS_APP_TITLE);
    }
    int exitCode = 0;
    if (app->InitInstance() != FALSE) {
        exitCode = app->Run();
    } else {
        const bool codeGiven = app->GetQuitCode().has_value();
        exitCode = app->ExitInstance();
        if (!codeGiven) {
            exitCode = 1;
        }
    }
    SetResources(nullptr);
    return exitCode;
}
