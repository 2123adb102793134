// SPDX-License-Identifier: GPL-3.0-or-later
// A program started for a test, in a process group of its own so that it and whatever it
// starts can be ended together. It is killed if the test process dies first, and the
// destructor ends it and reaps it, so that no failure leaves it running.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// The whole of the file at `path`, such as the output a child wrote there; empty when there is
// no such file.
std::string ReadWholeFile(const std::string& path);

class ChildProcess {
public:
    struct Options {
        // Extra or replaced environment variables, "NAME=value"; "NAME" alone removes one.
        std::vector<std::string> environment;
        // A descriptor to leave open in the child (for instance the write end of a pipe);
        // every other descriptor above stderr is closed on exec.
        int inheritedFd = -1;
        // Where the child's stdout and stderr go; empty: the test's own.
        std::string outputFile;
        // Descriptors that become the child's stdout and stderr instead (for instance a pipe's
        // write end); they win over `outputFile`.
        int stdoutFd = -1;
        int stderrFd = -1;
        // Starts the child with no stdout at all, as `>&-` in a shell does.
        bool closeStdout = false;
        // Where the child starts; empty: where the test is. A folder it cannot enter makes it
        // exit at once with status 127.
        std::string workingDirectory;
    };

    // Starts `arguments[0]` (a path) with the rest as its arguments. Throws std::runtime_error
    // when it cannot fork; a program that cannot be executed exits at once with status 127.
    ChildProcess(const std::vector<std::string>& arguments, const Options& options);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess(ChildProcess&&) = delete;
    ChildProcess& operator=(ChildProcess&&) = delete;

    pid_t Pid() const { return m_pid; }

    // Waits up to `timeout` for the process to end. Returns its exit code, or 128 + the signal
    // that ended it; none if it is still running. Whatever it left running in its group is
    // killed once it has ended.
    std::optional<int> Wait(std::chrono::milliseconds timeout);
    // Whether it has ended (reaping it if so), without waiting.
    bool HasEnded() { return Wait(std::chrono::milliseconds(0)).has_value(); }

    // Ends the whole process group: SIGTERM, then SIGKILL after `grace`; reaps the process.
    void Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(2000));

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};
