// SPDX-License-Identifier: GPL-3.0-or-later
// The test's own connection to the X server, for what xdotool cannot do: read the screen's
// pixels, list the windows on show, see every window shown however briefly, read a window's
// icon, and ask a window to close as a window manager's close box does. Window ids are X ids, as
// xdotool prints them. X11's headers define macros that break Qt's and GoogleTest's, so only
// XConnection.cpp includes them.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

using XWindowId = unsigned long;

struct ShownWindow {
    XWindowId id = 0;
    QRect rect; // in screen coordinates
};

class XConnection {
public:
    // Throws std::runtime_error when the display cannot be opened.
    explicit XConnection(const std::string& displayName);
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    XConnection(XConnection&&) = delete;
    XConnection& operator=(XConnection&&) = delete;

    // What the screen shows inside `rect` (clipped to the screen), as RGB32.
    QImage Grab(const QRect& rect);
    // The top-level windows on show, popups (menus) included, bottom-most first.
    std::vector<ShownWindow> ShownTopLevels();
    // From now on, notes every top-level window the server maps (shows), in order.
    void WatchMaps();
    // The windows mapped since WatchMaps, oldest first; a window mapped twice is there twice.
    std::vector<XWindowId> MappedWindows();
    // The sizes of the pictures in the window's _NET_WM_ICON, as a window manager and a task
    // bar read its icon, in the order given; none when it has no such property.
    std::vector<QSize> IconSizes(XWindowId window);
    // Leaves the keyboard to no window at all: every program on the display then hears of no
    // key, as while another program has the keyboard.
    void FocusNoWindow();
    // Sends `window` the WM_DELETE_WINDOW message a window manager sends when its close box
    // is pressed. False when the window does not take part in that protocol.
    bool RequestClose(XWindowId window);
    // Sends `window` the _NET_WM_PING a window manager sends to see whether a program still
    // answers, and waits up to `timeout` for the answer. An answer proves that the program's
    // event loop (or a modal loop inside it) is running.
    bool Ping(XWindowId window, std::chrono::milliseconds timeout);

private:
    struct State;
    std::unique_ptr<State> m_state;
};
