// SPDX-License-Identifier: GPL-3.0-or-later
// A headless Wayland compositor of the test's own: Weston with no screen of its own, in a
// runtime folder of its own, so that tests can run side by side. It is ended with the object.
#pragma once

#include "tests/support/ChildProcess.h"

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

class WestonServer {
public:
    // Starts Weston and waits until it takes connections. Throws std::runtime_error when it
    // does not start.
    WestonServer();
    ~WestonServer();
    WestonServer(const WestonServer&) = delete;
    WestonServer& operator=(const WestonServer&) = delete;
    WestonServer(WestonServer&&) = delete;
    WestonServer& operator=(WestonServer&&) = delete;

    // The environment in which a client finds this compositor and no X server.
    std::vector<std::string> ClientEnvironment() const;

    // What Weston says of the surfaces it shows: one line per view, such as
    // "View 0 (role xdg_toplevel, PID 12, surface ID 7, top-level window 'Title' of app.id, ...)".
    std::string SceneGraph() const;

    // What Weston itself printed.
    std::string Log() const;

private:
    QTemporaryDir m_runtimeDir;
    std::string m_socketName = "zintra-test";
    std::unique_ptr<ChildProcess> m_process;
};
