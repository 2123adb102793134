// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/X11Session.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>

// Last, so that X11's macros cannot reach into Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// The display Qt's xcb platform is connected to; null on any other platform.
Display* QtDisplay()
{
    if (qGuiApp == nullptr) {
        return nullptr;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}

// What OnLostConnection was given.
void (*g_lostConnection)() = nullptr;

int ReportLostConnection(Display* /*display*/)
{
    if (g_lostConnection != nullptr) {
        g_lostConnection();
    }
    return 0;
}

} // namespace

namespace afx::qt::x11 {

DisplayConnection::DisplayConnection()
{
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        m_problem = "no display (DISPLAY is not set)";
        return;
    }
    m_display = XOpenDisplay(name);
    if (m_display == nullptr) {
        m_problem = std::string("cannot open display \"") + name + "\"";
    }
}

DisplayConnection::~DisplayConnection()
{
    if (m_display != nullptr) {
        XCloseDisplay(static_cast<Display*>(m_display));
    }
}

bool IsIndicatorOn(const char* name)
{
    Display* display = QtDisplay();
    if (display == nullptr) {
        return false;
    }
    // Only look the name up: an indicator the server has never heard of is not lit.
    const Atom indicator = XInternAtom(display, name, True);
    Bool on = False;
    if (indicator == None ||
        XkbGetNamedIndicator(display, indicator, nullptr, &on, nullptr, nullptr) == False) {
        return false;
    }
    return on != False;
}

bool WindowManagerRuns()
{
    Display* display = QtDisplay();
    if (display == nullptr) {
        return false;
    }
    // A window manager that follows the desktop conventions names its check window here.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, XDefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &remaining, &data);
    if (data != nullptr) {
        XFree(data);
    }
    return status == Success && type == XA_WINDOW && count == 1;
}

void OnLostConnection(void (*lost)())
{
    g_lostConnection = lost;
    XSetIOErrorHandler(ReportLostConnection);
}

} // namespace afx::qt::x11
