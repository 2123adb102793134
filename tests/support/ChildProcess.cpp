// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ChildProcess.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// The environment of the child: ours with `changes` applied.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes)
{
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        result.emplace_back(*entry);
    }
    for (const std::string& change : changes) {
        const std::string name = change.substr(0, change.find('='));
        std::erase_if(result, [&name](const std::string& entry) {
            return entry.compare(0, name.size() + 1, name + "=") == 0;
        });
        if (change.find('=') != std::string::npos) {
            result.push_back(change);
        }
    }
    return result;
}

std::vector<char*> PointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const Options& options)
{
    // Everything the child needs is prepared before fork: after it, only async-signal-safe
    // calls are allowed in a process that may have threads.
    std::vector<std::string> argumentCopy = arguments;
    std::vector<std::string> environment = ChildEnvironment(options.environment);
    const std::vector<char*> argv = PointersTo(argumentCopy);
    const std::vector<char*> envp = PointersTo(environment);
    const pid_t parent = getpid();

    m_pid = fork();
    if (m_pid < 0) {
        throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    }
    if (m_pid > 0) {
        // Also from here, so that the group exists before the parent may signal it.
        setpgid(m_pid, m_pid);
        return;
    }

    setpgid(0, 0);
    // Dies with the test, even when the test is killed before its destructors run.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) {
        _exit(127);
    }
    if (!options.outputFile.empty()) {
        const int out = open(options.outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            close(out);
        }
    }
    if (options.stdoutFd >= 0) {
        dup2(options.stdoutFd, STDOUT_FILENO);
    }
    if (options.stderrFd >= 0) {
        dup2(options.stderrFd, STDERR_FILENO);
    }
    if (options.closeStdout) {
        close(STDOUT_FILENO);
    }
    // Our own descriptors (the X connection among them) are not the child's business.
    const int maxFd = static_cast<int>(sysconf(_SC_OPEN_MAX));
    for (int fd = STDERR_FILENO + 1; fd < maxFd && fd < 1024; ++fd) {
        if (fd != options.inheritedFd) {
            close(fd);
        }
    }
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0) {
        _exit(127);
    }
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
}

ChildProcess::~ChildProcess()
{
    Stop();
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds timeout)
{
    if (m_status || m_pid <= 0) {
        return m_status;
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        // Looked at without reaping: until it is reaped its pid cannot name another group,
        // so whatever it left behind in its group can still be killed safely.
        siginfo_t info{};
        const int looked =
            waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT);
        if (looked == 0 && info.si_pid == m_pid) {
            kill(-m_pid, SIGKILL);
            int status = 0;
            waitpid(m_pid, &status, 0);
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return m_status;
        }
        if (looked < 0 && errno != EINTR) {
            m_status = -1; // not our child any more: nothing left to wait for
            return m_status;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void ChildProcess::Stop(std::chrono::milliseconds grace)
{
    if (m_pid <= 0 || m_status) {
        return;
    }
    kill(-m_pid, SIGTERM);
    if (!Wait(grace)) {
        kill(-m_pid, SIGKILL);
        Wait(std::chrono::milliseconds(10000));
    }
}
