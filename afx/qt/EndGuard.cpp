// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/EndGuard.h"

#include "afx/qt/X11Session.h"

#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace afx::qt {

namespace {

constexpr const char* kLostDisplay = "lost the connection to the display";
constexpr const char* kSessionEnds = "the desktop session is ending";
constexpr const char* kLibraryExit = "a library ended the program";

// The hooks below are the C library's, Qt's and Xlib's, installed once for the process; they act
// only while a guard stands.
std::atomic<bool> g_armed{false};
// Why the process is ending, once something has said; read by the exit hook.
std::atomic<const char*> g_cause{nullptr};
QtMessageHandler g_nextHandler = nullptr;

[[noreturn]] void EndNow(const char* cause)
{
    // Whatever the program printed itself stays in front of the line.
    static_cast<void>(std::fflush(stdout));
    static_cast<void>(std::fprintf(stderr, "zintra_win: %s\n", cause));
    // Neither the C library's exit handlers nor static destruction run: the program object's
    // would destroy windows of a Qt that is half gone.
    _exit(1);
}

// Runs inside exit(), before the static destruction of anything made before the first guard,
// the program object included.
void OnExit()
{
    if (g_armed) {
        const char* cause = g_cause.load();
        EndNow(cause != nullptr ? cause : kLibraryExit);
    }
}

// Qt says the display has gone just before it calls exit(): the cause is noted, for the one
// line the exit hook prints, instead of Qt's own.
void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (g_armed && message.startsWith(QLatin1String("The X11 connection broke"))) {
        g_cause = kLostDisplay;
        return;
    }
    g_nextHandler(type, context, message);
}

// Xlib found the display gone; it calls exit() once this returns.
void OnLostDisplay()
{
    g_cause = kLostDisplay;
}

void InstallHooksOnce()
{
    static const bool installed = [] {
        g_nextHandler = qInstallMessageHandler(OnQtMessage);
        static_cast<void>(std::atexit(OnExit));
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace

EndGuard::EndGuard()
{
    InstallHooksOnce();
    // Qt's xcb platform puts its own handler in when it connects, so this goes in after.
    x11::OnLostConnection(OnLostDisplay);
    g_cause = nullptr;
    g_armed = true;
    QCoreApplication::instance()->installEventFilter(this);
}

EndGuard::~EndGuard()
{
    g_armed = false;
}

bool EndGuard::eventFilter(QObject* watched, QEvent* event)
{
    // The program quits by leaving the loop itself, and the application quits on its own for
    // nothing (no quit on the last window, no quit locks): a quit event is the session manager
    // telling the program to go.
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
        EndNow(kSessionEnds);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace afx::qt
