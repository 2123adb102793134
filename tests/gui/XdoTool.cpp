// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/XdoTool.h"

#include "tests/support/ChildProcess.h"

#include <cstdlib>
#include <poll.h>
#include <sstream>
#include <unistd.h>

namespace {

std::vector<XWindowId> ParseIds(const std::string& output)
{
    std::vector<XWindowId> ids;
    std::istringstream lines(output);
    XWindowId id = 0;
    while (lines >> id) {
        ids.push_back(id);
    }
    return ids;
}

} // namespace

XdoTool::Result XdoTool::Run(const std::vector<std::string>& arguments,
                             std::chrono::milliseconds timeout) const
{
    int fds[2] = {-1, -1};
    if (pipe(fds) != 0) {
        return {};
    }
    std::vector<std::string> command{"/usr/bin/xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess::Options options;
    options.environment = {"DISPLAY=" + m_displayName};
    options.stdoutFd = fds[1];
    Result result;
    {
        ChildProcess process(command, options);
        close(fds[1]);
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        // Read until xdotool closes its end, so that a long answer cannot block it.
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd watched{fds[0], POLLIN, 0};
            if (left.count() <= 0 || poll(&watched, 1, static_cast<int>(left.count())) <= 0) {
                break;
            }
            char buffer[4096];
            const ssize_t got = read(fds[0], buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            result.output.append(buffer, static_cast<size_t>(got));
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        result.exitCode = process.Wait(std::max(left, std::chrono::milliseconds(0))).value_or(-1);
    } // a late xdotool is killed here
    close(fds[0]);
    return result;
}

std::vector<XWindowId> XdoTool::FindShown(const std::string& name) const
{
    return ParseIds(Run({"search", "--onlyvisible", "--name", name}).output);
}

std::optional<XWindowId> XdoTool::WaitForShown(const std::string& name,
                                               std::chrono::milliseconds timeout) const
{
    const std::vector<XWindowId> found =
        ParseIds(Run({"search", "--sync", "--onlyvisible", "--name", name}, timeout).output);
    if (found.empty()) {
        return std::nullopt;
    }
    return found.front();
}

QRect XdoTool::Geometry(XWindowId window) const
{
    const Result result = Run({"getwindowgeometry", "--shell", std::to_string(window)});
    if (result.exitCode != 0) {
        return {};
    }
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const int value = std::stoi(line.substr(equals + 1));
        if (key == "X") {
            x = value;
        } else if (key == "Y") {
            y = value;
        } else if (key == "WIDTH") {
            width = value;
        } else if (key == "HEIGHT") {
            height = value;
        }
    }
    return {x, y, width, height};
}

bool XdoTool::Focus(XWindowId window) const
{
    return Run({"windowfocus", "--sync", std::to_string(window)}).exitCode == 0;
}

bool XdoTool::Click(XWindowId window, int x, int y) const
{
    // A press and a release rather than xdotool's "click", which idles for a tenth of a second
    // after each; the server handles the fake events in order, so the pointer is there first.
    return Run({"mousemove", "--window", std::to_string(window), std::to_string(x),
                std::to_string(y), "mousedown", "1", "mouseup", "1"})
               .exitCode == 0;
}

bool XdoTool::TurnWheel(XWindowId window, int x, int y, int notches) const
{
    // X reports each notch as a press and release of button 5 (down) or 4 (up).
    std::vector<std::string> arguments{"mousemove", "--window", std::to_string(window),
                                       std::to_string(x), std::to_string(y)};
    const std::string button = notches > 0 ? "5" : "4";
    for (int notch = 0; notch < std::abs(notches); ++notch) {
        arguments.insert(arguments.end(), {"mousedown", button, "mouseup", button});
    }
    return Run(arguments).exitCode == 0;
}

bool XdoTool::Key(const std::string& keys) const
{
    return Run({"key", keys}).exitCode == 0;
}
