// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's accessibility stack for one test: a session bus of the test's own, the
// accessibility bus that the Debian package at-spi2-core launches on it, and an AT-SPI client
// (atspi_client.py) that reads programs through it as a screen reader does.
#pragma once

#include "tests/support/ChildProcess.h"

#include <QRect>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// One object of a program's accessible tree, as the client read it.
struct AccessibleObject {
    std::vector<int> path; // child indexes from the application down
    std::string role;      // as AT-SPI names it: "push button", "label", ...
    std::string name;
    std::string description;
    std::set<std::string> states; // "focused", "checked", "showing", "is-default", ...
    int children = 0;
    std::optional<QRect> extents; // on the screen

    bool Has(const std::string& state) const { return states.contains(state); }
};

// Something the client heard, as a screen reader hears it.
struct AccessibleEvent {
    std::string kind; // "object:property-change:accessible-description", ...
    std::string sourceRole;
    std::string sourceName;
    std::string value; // a changed name or description: what it reads now
    std::string child; // children-changed: the child's name
};

class ScreenReaderBus {
public:
    // Starts the session bus and the accessibility bus for programs on `displayName`, and says
    // a screen reader runs, as one says when it starts. Throws std::runtime_error when it cannot.
    explicit ScreenReaderBus(std::string displayName);
    ~ScreenReaderBus();
    ScreenReaderBus(const ScreenReaderBus&) = delete;
    ScreenReaderBus& operator=(const ScreenReaderBus&) = delete;
    ScreenReaderBus(ScreenReaderBus&&) = delete;
    ScreenReaderBus& operator=(ScreenReaderBus&&) = delete;

    // What a program started for the test needs in its environment to be on these buses.
    std::vector<std::string> Environment() const;

    // Every object of the application `app`, depth first; empty while it is not on the bus.
    std::vector<AccessibleObject> Tree(const std::string& app) const;

    class Listener;
    // Listens to what `app` tells the bus from now on, until the listener goes.
    std::unique_ptr<Listener> Listen(const std::string& app) const;

private:
    // Runs the client with `arguments` and returns the lines it printed.
    std::vector<std::string> RunClient(const std::vector<std::string>& arguments) const;

    std::string m_displayName;
    // The buses' own runtime folder, where the accessibility bus puts its socket: without one
    // of its own, every bus of a parallel run would share (and remove) the same socket.
    std::filesystem::path m_runtimeDir;
    std::unique_ptr<ChildProcess> m_sessionBus;
    std::string m_address;
};

class ScreenReaderBus::Listener {
public:
    Listener(std::unique_ptr<ChildProcess> client, int output);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    Listener(Listener&&) = delete;
    Listener& operator=(Listener&&) = delete;

    // Waits until `enough` holds for what was heard since the last call, or `timeout` passes;
    // returns what was heard either way, and starts afresh.
    std::vector<AccessibleEvent>
    Collect(const std::function<bool(const std::vector<AccessibleEvent>&)>& enough,
            std::chrono::milliseconds timeout);

private:
    friend class ScreenReaderBus; // waits for the client to say it listens
    // Reads what the client printed, waiting up to `timeout` for a line; false when none came.
    bool ReadLine(std::string& line, std::chrono::milliseconds timeout);

    std::unique_ptr<ChildProcess> m_client;
    int m_output;
    std::string m_pending;
    std::vector<AccessibleEvent> m_heard;
};
