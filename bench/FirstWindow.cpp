// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a program takes from its exec to its first window on screen: starts it,
// waits for the X server to map its first top-level window, and prints the milliseconds between
// the two, the memory the program then holds, the window's id and its name. The clock starts
// when the exec has succeeded, so the fork is not counted; the program is then ended.
//
//   first_window [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]
//
// Output, one line: "<milliseconds> <resident KiB> <window id> <window name>". Exit code 0, or
// 1 when no window showed in time or the program could not be started.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int timeoutSeconds = 30;
    std::vector<char*> command;
};

bool Parse(int argc, char* argv[], Options& options)
{
    int index = 1;
    for (; index < argc && std::strcmp(argv[index], "--") != 0; ++index) {
        if (std::strcmp(argv[index], "--timeout") == 0 && index + 1 < argc) {
            options.timeoutSeconds = std::atoi(argv[++index]);
        } else {
            return false;
        }
    }
    for (++index; index < argc; ++index) {
        options.command.push_back(argv[index]);
    }
    options.command.push_back(nullptr);
    return options.command.size() > 1;
}

// Starts the program in a process group of its own and returns once its exec has succeeded
// (the write end of the pipe closes on exec) with the time of that moment; -1 if it failed.
pid_t Start(const Options& options, Clock::time_point& started)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(fds[0]);
        execv(options.command[0], options.command.data());
        const char failed = 1;
        (void)!write(fds[1], &failed, 1);
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        return -1;
    }
    char failed = 0;
    const ssize_t got = read(fds[0], &failed, 1);
    started = Clock::now();
    close(fds[0]);
    if (got != 0) {
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

std::string NameOf(Display* display, Window window)
{
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        result = name;
        XFree(name);
    }
    return result;
}

// The program's resident memory in KiB (VmRSS); 0 if it cannot be read.
long ResidentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + std::strlen("VmRSS:"));
        }
    }
    return 0;
}

void Stop(pid_t pid)
{
    kill(-pid, SIGTERM);
    for (int tries = 0; tries < 200; ++tries) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        usleep(10000);
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    // Watching before the program starts, so that no map can be missed.
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    Clock::time_point started;
    const pid_t pid = Start(options, started);
    if (pid < 0) {
        std::fprintf(stderr, "%s: cannot start %s\n", argv[0], options.command[0]);
        return 1;
    }
    const Clock::time_point deadline = started + std::chrono::seconds(options.timeoutSeconds);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            // Mapped windows that are not the program's own would have to come from another
            // client; on the benchmark's own server there is none.
            if (event.type != MapNotify || event.xmap.event != root) {
                continue;
            }
            const Clock::time_point mapped = Clock::now();
            const double milliseconds =
                std::chrono::duration<double, std::milli>(mapped - started).count();
            std::printf("%.1f %ld %lu %s\n", milliseconds, ResidentKib(pid), event.xmap.window,
                        NameOf(display, event.xmap.window).c_str());
            std::fflush(stdout);
            Stop(pid);
            XCloseDisplay(display);
            return 0;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "%s: the program ended without a window\n", argv[0]);
            XCloseDisplay(display);
            return 1;
        }
        if (left.count() <= 0) {
            break;
        }
        poll(&connection, 1, static_cast<int>(std::min<long long>(left.count(), 100)));
    }
    std::fprintf(stderr, "%s: no window was mapped\n", argv[0]);
    Stop(pid);
    XCloseDisplay(display);
    return 1;
}
