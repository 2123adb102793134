// SPDX-License-Identifier: GPL-3.0-or-later
// A small program on the Qt backend that the start-up tests run in a process of their own: it
// starts as a real program does, with a frame as its main window, which it closes again from
// the event loop; with the argument "quit" it gives up with exit code 7 before the loop runs,
// and with "locks" it first prints the lock keys as it sees them once its window shows
// ("CAP 1 NUM 0 SCRL 0"). It calls itself "probe" on the terminal, and "Probe" in its windows.
#include "afx/CFrameWnd.h"
#include "afx/CWinApp.h"
#include "afx/Platform.h"
#include "afx/Resources.h"

#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

namespace {

class ProbeApp : public CWinApp {
public:
    ProbeApp()
        : CWinApp(L"Probe")
    {
        m_pszExeName = L"probe";
    }

    BOOL InitInstance() override
    {
        m_frame = std::make_unique<CFrameWnd>();
        if (m_frame->LoadFrame(1) == FALSE) {
            return FALSE;
        }
        m_pMainWnd = m_frame.get();
        m_frame->ShowWindow(SW_SHOW);
        m_frame->UpdateWindow();
        const std::vector<std::string>& arguments = GetCommandLine();
        if (arguments.size() > 1 && arguments[1] == "locks") {
            std::printf("CAP %d NUM %d SCRL %d\n", GetKeyState(VK_CAPITAL) & 1,
                        GetKeyState(VK_NUMLOCK) & 1, GetKeyState(VK_SCROLL) & 1);
        }
        if (arguments.size() > 1 && arguments[1] == "quit") {
            AfxPostQuitMessage(7);
        } else {
            QTimer::singleShot(0, [this] { m_frame->SendMessage(WM_CLOSE); });
        }
        return TRUE;
    }

    int ExitInstance() override
    {
        m_frame.reset();
        return CWinApp::ExitInstance();
    }

private:
    std::unique_ptr<CFrameWnd> m_frame;
};

ProbeApp theApp;

} // namespace

int main(int argc, char* argv[])
{
    static const afx::ResourceBundle resources{};
    return AfxWinMain(argc, argv, resources);
}
