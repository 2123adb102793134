// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual X server of the test's own, on a display number it picks itself, so that tests can
// run side by side. It is ended with the object.
#pragma once

#include "tests/support/ChildProcess.h"

#include <QSize>
#include <memory>
#include <string>

class XServer {
public:
    // Starts Xvfb with one screen of 24-bit colour, `screen` pixels large, and waits until it
    // accepts connections. Throws std::runtime_error when it does not start.
    explicit XServer(QSize screen = {kScreenWidth, kScreenHeight});
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    XServer(XServer&&) = delete;
    XServer& operator=(XServer&&) = delete;

    // ":N", for DISPLAY.
    const std::string& DisplayName() const { return m_displayName; }

    // Sends the server `signal`: SIGKILL as when it crashes, SIGTERM as when it is shut down.
    void Kill(int signal);

    // The screen's size unless another is asked for.
    static constexpr int kScreenWidth = 1280;
    static constexpr int kScreenHeight = 1024;

private:
    std::unique_ptr<ChildProcess> m_process;
    std::string m_displayName;
};
