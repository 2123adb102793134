// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/XServer.h"

#include <chrono>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(20);

// Closes both ends of a pipe however the start goes.
struct Pipe {
    Pipe()
    {
        if (pipe(fds) != 0) {
            throw std::runtime_error("pipe failed");
        }
    }
    ~Pipe()
    {
        CloseWriteEnd();
        close(fds[0]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    Pipe(Pipe&&) = delete;
    Pipe& operator=(Pipe&&) = delete;

    void CloseWriteEnd()
    {
        if (fds[1] >= 0) {
            close(fds[1]);
            fds[1] = -1;
        }
    }

    int fds[2] = {-1, -1};
};

} // namespace

XServer::XServer(QSize screen)
{
    Pipe ready;
    ChildProcess::Options options;
    options.inheritedFd = ready.fds[1];
    // Xvfb chatters about fonts and keymaps on every start.
    options.outputFile = "/dev/null";
    // Xvfb writes the display number it chose to the descriptor once it accepts
    // connections; that is both the name and the signal that it is ready.
    m_process = std::make_unique<ChildProcess>(
        std::vector<std::string>{
            "/usr/bin/Xvfb", "-displayfd", std::to_string(ready.fds[1]), "-screen", "0",
            std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + "x24",
            "-nolisten", "tcp", "-noreset"},
        options);
    ready.CloseWriteEnd();

    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (number.empty() || number.back() != '\n') {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd watched{ready.fds[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&watched, 1, static_cast<int>(left.count())) <= 0) {
            throw std::runtime_error("Xvfb did not report a display in time");
        }
        char buffer[32];
        const ssize_t got = read(ready.fds[0], buffer, sizeof buffer);
        if (got <= 0) {
            throw std::runtime_error("Xvfb ended before it reported a display");
        }
        number.append(buffer, static_cast<size_t>(got));
    }
    number.pop_back();
    m_displayName = ":" + number;
}

XServer::~XServer() = default;

void XServer::Kill(int signal)
{
    kill(m_process->Pid(), signal);
}
