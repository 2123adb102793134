// SPDX-License-Identifier: GPL-3.0-or-later
// The program: one global object, started by the framework's entry point, which calls
// InitInstance, runs the message loop, and ends with ExitInstance. Commands that neither the
// view, the document nor the frame handle reach its message map last.
#pragma once

#include "afx/CCmdTarget.h"
#include "afx/CString.h"
#include "afx/WinTypes.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCommandLineInfo;
class CDocument;
class CSingleDocTemplate;
class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)

public:
    // Null takes the program's name from string AFX_IDS_APP_TITLE when the program starts.
    explicit CWinApp(const wchar_t* lpszAppName = nullptr);
    ~CWinApp() override;

    // The program's name: every message box's caption.
    CString m_pszAppName;
    // The name the program calls itself by in what it writes to the terminal, whatever file
    // it was started from; set by the program object before the framework starts it. Null:
    // the platform names it after that file.
    const wchar_t* m_pszExeName = nullptr;
    // The main window; the program ends when it closes.
    CWnd* m_pMainWnd = nullptr;

    // Start-up: FALSE ends the program at once.
    virtual BOOL InitInstance();
    // Runs the message loop until the main window closes; returns the exit code.
    virtual int Run();
    // Ends the program: closes the documents and returns the exit code.
    virtual int ExitInstance();

    // The framework's own commands, public so that a program's map can name them.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();

    // The entry point's arguments, from the program's name on.
    void SetCommandLine(std::vector<std::string> arguments);
    const std::vector<std::string>& GetCommandLine() const { return m_arguments; }
    // The exit code given to AfxPostQuitMessage, if any was.
    std::optional<int> GetQuitCode() const { return m_quitCode; }
    void SetQuitCode(std::optional<int> code) { m_quitCode = code; }

    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }

protected:
    // Names the place of the program's settings.
    void SetRegistryKey(const wchar_t* lpszRegistryKey);
    // Loads the framework's settings with a recent-file list of `nMaxMRU` entries.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // The program's one document template, owned from now on.
    void AddDocTemplate(CSingleDocTemplate* pTemplate);
    // Hands each argument after the program's name to rCmdInfo.ParseParam.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Makes the new document the program starts with; FALSE when there is no main window
    // afterwards.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    CDocument* OpenDocumentFile(const wchar_t* lpszFileName);

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    std::vector<std::string> m_arguments;
    std::optional<int> m_quitCode;
};

// The one program object; null before it is constructed and after it is destroyed.
CWinApp* AfxGetApp();
// Ends the message loop (or, before it runs, the start-up) with `nExitCode`.
void AfxPostQuitMessage(int nExitCode);
namespace afx {
struct ResourceBundle;
// The framework's start and end, with a platform installed: installs the resources, hands the
// arguments to the program object, runs InitInstance, the message loop and ExitInstance, and
// returns the exit code. A start-up that fails without posting a code exits with 1.
int RunProgram(int argc, char* argv[], const ResourceBundle& resources);
} // namespace afx

// The program's entry point: the toolkit backend installs its platform and calls RunProgram.
int AfxWinMain(int argc, char* argv[], const afx::ResourceBundle& resources);
