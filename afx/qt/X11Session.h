// SPDX-License-Identifier: GPL-3.0-or-later
// What the backend asks of the X server itself rather than of Qt: whether a display can be
// opened at all, the keyboard's lock indicators and word of their changes, and whether a window
// manager places windows.
// X11's headers define macros (None, Bool, Status, ...) that break Qt's, so only the one
// source file behind this header sees them.
#pragma once

#include <string>

namespace afx::qt::x11 {

// A connection to the X display of DISPLAY, held while Qt opens its own. An X server resets
// when its last client leaves and refuses connections while it does, so a connection only
// tried and closed again could leave Qt refused, which it does not survive.
class DisplayConnection {
public:
    DisplayConnection();
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;
    DisplayConnection(DisplayConnection&&) = delete;
    DisplayConnection& operator=(DisplayConnection&&) = delete;

    // Why there is no connection, for instance "cannot open display \":9\"" or "no display
    // (DISPLAY is not set)"; empty when there is one.
    const std::string& Problem() const { return m_problem; }

private:
    void* m_display = nullptr; // Xlib's Display, which this header does not know
    std::string m_problem;
};

// Whether the keyboard indicator of that XKB name ("Caps Lock", "Num Lock", "Scroll Lock") is
// lit. False while Qt shows its windows on anything but an X display.
bool IsIndicatorOn(const char* name);

// Word from the X server each time a keyboard indicator goes on or off, whichever program has
// the keyboard. It comes on Qt's own connection, which reads it with everything else and hands
// every event to the application's native event filters; Qt itself passes it over.
class IndicatorReports {
public:
    // Asks the server for the reports, once for the connection's life. Nothing is asked where
    // Qt shows its windows on anything but an X display, or the server has no keyboard
    // extension; Asked() is then false.
    IndicatorReports();

    bool Asked() const { return m_firstXkbEvent >= 0; }
    // Whether `xcbEvent`, an event of Qt's connection as a native event filter receives it (an
    // xcb_generic_event_t), is such a report.
    bool IsReport(const void* xcbEvent) const;

private:
    int m_firstXkbEvent = -1; // the keyboard extension's first event code on the connection
};

// Whether a window manager runs on Qt's X display and so places new windows itself. False
// while Qt shows its windows on anything but an X display.
bool WindowManagerRuns();

// From now on, when Xlib finds the connection to any display broken it calls `lost` instead of
// printing its own report; Xlib then calls exit(). The handler stays for the process's life.
void OnLostConnection(void (*lost)());

} // namespace afx::qt::x11
