// SPDX-License-Identifier: GPL-3.0-or-later
// xdotool run against the test's X server: the user's mouse and keyboard, and looking windows
// up by name. Each call runs xdotool once and waits for it, within a time limit, so that a
// search that never succeeds cannot hang a test.
#pragma once

#include "tests/gui/XConnection.h"

#include <QRect>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

class XdoTool {
public:
    struct Result {
        int exitCode = -1; // -1: it did not finish in time
        std::string output;
    };

    explicit XdoTool(std::string displayName)
        : m_displayName(std::move(displayName))
    {}

    // Runs `xdotool arguments...`; its stdout is in the result.
    Result Run(const std::vector<std::string>& arguments,
               std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

    // The windows on show whose name matches the regular expression `name`, without waiting.
    std::vector<XWindowId> FindShown(const std::string& name) const;
    // Waits up to `timeout` for a window on show with a matching name (`search --sync`).
    std::optional<XWindowId> WaitForShown(const std::string& name,
                                          std::chrono::milliseconds timeout) const;
    // The window's rectangle on the screen; empty when it is gone.
    QRect Geometry(XWindowId window) const;

    // Gives `window` the keyboard focus and waits until it has it.
    bool Focus(XWindowId window) const;
    // Moves the pointer to (x, y) of `window` and clicks the left button.
    bool Click(XWindowId window, int x, int y) const;
    // Moves the pointer to (x, y) of `window` and turns the mouse wheel `notches` notches,
    // towards the user (down the page) when positive, away from the user when negative.
    bool TurnWheel(XWindowId window, int x, int y, int notches) const;
    // Presses and releases the keys, e.g. "Return", "ctrl+n", "Caps_Lock"; each goes to
    // whichever window has the focus.
    bool Key(const std::string& keys) const;

private:
    std::string m_displayName;
};
