// SPDX-License-Identifier: GPL-3.0-or-later
// The backend's life (the QApplication it makes when a display is first needed, and the windows
// it closes at the end), the message loop, and the keyboard's state.
#include "afx/qt/QtPlatform.h"

#include "afx/CWinApp.h"
#include "afx/CWnd.h"
#include "afx/qt/EndGuard.h"
#include "afx/qt/FrameWidget.h"
#include "afx/qt/LockKeyWatcher.h"
#include "afx/qt/QtText.h"
#include "afx/qt/X11Session.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace afx::qt {

namespace {

// Whether a Wayland compositor listens where Wayland clients look for one: the socket named by
// WAYLAND_DISPLAY (wayland-0 when unset), in XDG_RUNTIME_DIR unless the name is a path.
bool WaylandCompositorListens()
{
    const char* name = std::getenv("WAYLAND_DISPLAY");
    std::string socket = name != nullptr && *name != '\0' ? name : "wayland-0";
    if (socket.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr || *runtime == '\0') {
            return false;
        }
        socket = std::string(runtime) + "/" + socket;
    }
    struct stat status {};
    return stat(socket.c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}

// Whether Qt will show its windows on an X display: the platform QT_QPA_PLATFORM names, or
// else Qt's own choice, which is Wayland where a compositor listens and X otherwise.
bool UsesX11()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        return std::strncmp(platform, "xcb", 3) == 0;
    }
    return !WaylandCompositorListens();
}

} // namespace

QtPlatform::QtPlatform(int argc, char* argv[])
    : m_programPath(argc > 0 && argv != nullptr && argv[0] != nullptr ? argv[0] : "")
    , m_argv{m_programPath.data(), nullptr}
{}

QtPlatform::~QtPlatform()
{
    std::vector<QPointer<QWidget>> topLevel;
    for (const Window* record : m_windows.All()) {
        record->wnd->Detach();
        if (record->parent == nullptr) {
            topLevel.emplace_back(record->widget);
        }
    }
    m_windows.ForgetAll();
    for (const QPointer<QWidget>& widget : topLevel) {
        delete widget.data();
    }
    // Windows closed earlier wait for the event loop to delete them, which will not run again.
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    m_watcher.reset();
    m_endGuard.reset();
    m_application.reset();
    if (GetPlatform() == this) {
        SetPlatform(nullptr);
    }
}

bool QtPlatform::EnsureApplication()
{
    if (QCoreApplication::instance() == nullptr) {
        if (m_noDisplay) {
            return false;
        }
        // Qt aborts the program when its X display cannot be opened: find out first, and fail
        // the way a window that cannot be made fails.
        std::optional<x11::DisplayConnection> display;
        if (UsesX11()) {
            display.emplace();
            if (!display->Problem().empty()) {
                m_noDisplay = true;
                static_cast<void>(std::fprintf(stderr, "%s: %s\n", ProgramName().c_str(),
                                               display->Problem().c_str()));
                return false;
            }
        }
        // Wayland compositors match windows to the desktop entry, and so to its icon, by
        // this name.
        QGuiApplication::setDesktopFileName(QStringLiteral(ZINTRA_APP_ID));
        m_application = std::make_unique<QApplication>(m_argc, m_argv.data());
    }
    if (m_endGuard == nullptr) {
        // The program ends when it posts its quit message, not when Qt sees no window left or
        // no work of its own under way.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QCoreApplication::setQuitLockEnabled(false);
        m_endGuard = std::make_unique<EndGuard>();
    }
    return true;
}

std::string QtPlatform::ProgramName() const
{
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->m_pszExeName != nullptr) {
        return ToQString(app->m_pszExeName).toStdString();
    }
    const size_t slash = m_programPath.find_last_of('/');
    return slash == std::string::npos ? m_programPath : m_programPath.substr(slash + 1);
}

int QtPlatform::RunMessageLoop()
{
    if (m_quitBeforeLoop) {
        return *std::exchange(m_quitBeforeLoop, std::nullopt);
    }
    if (!EnsureApplication()) {
        return 1;
    }
    m_loopRunning = true;
    const int exitCode = QApplication::exec();
    m_loopRunning = false;
    return exitCode;
}

void QtPlatform::PostQuitMessage(int exitCode)
{
    if (m_loopRunning) {
        QCoreApplication::exit(exitCode);
    } else {
        m_quitBeforeLoop = exitCode; // start-up gave up before the loop ran
    }
}

LRESULT QtPlatform::DefWindowProc(HWND /*window*/, UINT /*message*/, WPARAM /*wParam*/,
                                  LPARAM /*lParam*/)
{
    // Qt has already done its own handling of whatever the user did by the time the message
    // reaches the window's object.
    return 0;
}

SHORT QtPlatform::GetKeyState(int virtualKey)
{
    const char* indicator = nullptr;
    switch (virtualKey) {
    case VK_CAPITAL:
        indicator = "Caps Lock";
        break;
    case VK_NUMLOCK:
        indicator = "Num Lock";
        break;
    case VK_SCROLL:
        indicator = "Scroll Lock";
        break;
    default:
        return 0;
    }
    return x11::IsIndicatorOn(indicator) ? SHORT{1} : SHORT{0};
}

void QtPlatform::WatchLockKeys()
{
    if (m_watcher == nullptr) {
        m_watcher = std::make_unique<LockKeyWatcher>(*this);
    }
}

void QtPlatform::SendIdleUpdates()
{
    std::vector<HWND> frames;
    for (Window* record : m_windows.All()) {
        if (WidgetAs<FrameWidget>(record) != nullptr) {
            frames.push_back(record);
        }
    }
    for (HWND frame : frames) {
        if (const Window* record = m_windows.Find(frame); record != nullptr) {
            record->wnd->SendMessage(WM_IDLEUPDATECMDUI);
        }
    }
}

} // namespace afx::qt
