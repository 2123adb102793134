// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/cli/ProgramRun.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// A file in memory for one of the child's outputs: nothing it writes can block it.
int MemoryFile(const char* name)
{
    const int fd = memfd_create(name, MFD_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("memfd_create failed");
    }
    return fd;
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t got = 0; (got = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

} // namespace

ProgramRun::ProgramRun(const std::vector<std::string>& arguments, Stdout stdoutGoesTo)
    : m_out(MemoryFile("stdout"))
    , m_err(MemoryFile("stderr"))
{
    std::vector<std::string> command{ZINTRA_WIN_PROGRAM};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess::Options options;
    options.environment = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    options.stderrFd = m_err;
    int fullDisk = -1;
    switch (stdoutGoesTo) {
    case Stdout::Captured:
        options.stdoutFd = m_out;
        break;
    case Stdout::FullDisk:
        fullDisk = open("/dev/full", O_WRONLY | O_CLOEXEC);
        options.stdoutFd = fullDisk;
        break;
    case Stdout::Closed:
        options.closeStdout = true;
        break;
    }
    m_process = std::make_unique<ChildProcess>(command, options);
    if (fullDisk >= 0) {
        close(fullDisk);
    }
}

ProgramRun::~ProgramRun()
{
    m_process.reset();
    close(m_out);
    close(m_err);
}

ProgramOutcome ProgramRun::Finish()
{
    ProgramOutcome outcome;
    outcome.exitCode = m_process->Wait(std::chrono::seconds(20));
    m_process->Stop();
    outcome.out = ReadAll(m_out);
    outcome.err = ReadAll(m_err);
    return outcome;
}

ProgramOutcome RunProgram(const std::vector<std::string>& arguments, Stdout stdoutGoesTo)
{
    return ProgramRun(arguments, stdoutGoesTo).Finish();
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte < 0x7F && ch != '\\' && ch != '"') {
            escaped += ch;
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\%03o", byte);
            escaped += code;
        }
    }
    return "\"" + escaped + "\"";
}
