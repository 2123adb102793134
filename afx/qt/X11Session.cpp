// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/X11Session.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>
// A field of xkb.h is named `explicit`, a word C++ keeps for itself.
#define explicit xkb_explicit // NOLINT(clang-diagnostic-keyword-macro)
#include <xcb/xkb.h>
#undef explicit

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

// Qt's connection to its X display; null on any other platform.
xcb_connection_t* QtConnection()
{
    if (qGuiApp == nullptr) {
        return nullptr;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
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

IndicatorReports::IndicatorReports()
{
    xcb_connection_t* connection = QtConnection();
    if (connection == nullptr) {
        return;
    }
    // Qt has set up the keyboard extension on its connection already; its data is at hand.
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (xkb == nullptr || xkb->present == 0) {
        return;
    }
    // Only this one kind of event is touched, for every indicator; what Qt selected stays. The
    // request is checked so that a refusal comes back here rather than to Qt's error output.
    const uint16_t indicatorChanges = XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY;
    xcb_generic_error_t* error = xcb_request_check(
        connection,
        xcb_xkb_select_events_checked(connection, XCB_XKB_ID_USE_CORE_KBD, indicatorChanges, 0,
                                      indicatorChanges, 0, 0, nullptr));
    if (error != nullptr) {
        std::free(error); // NOLINT(cppcoreguidelines-no-malloc): xcb hands errors from malloc
        return;
    }
    m_firstXkbEvent = xkb->first_event;
}

bool IndicatorReports::IsReport(const void* xcbEvent) const
{
    if (!Asked()) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(xcbEvent);
    // The top bit of the type only tells whether the event was sent by another client.
    if ((event->response_type & 0x7f) != m_firstXkbEvent) {
        return false;
    }
    // All of the extension's events share one code and say which they are in their second
    // byte.
    return static_cast<const xcb_xkb_indicator_state_notify_event_t*>(xcbEvent)->xkbType ==
           XCB_XKB_INDICATOR_STATE_NOTIFY;
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
