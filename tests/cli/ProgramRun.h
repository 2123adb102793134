// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program once without any display, the way a shell would, and collects what
// it wrote and how it ended.
#pragma once

#include "tests/support/ChildProcess.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Where the program's stdout goes.
enum class Stdout { Captured, FullDisk, Closed };

struct ProgramOutcome {
    std::optional<int> exitCode; // none: it did not end in time, and was stopped
    std::string out;
    std::string err;
};

// A run of the program started and not yet waited for, so that several can run at once.
class ProgramRun {
public:
    // Starts the program with `arguments` after its name, with DISPLAY, WAYLAND_DISPLAY and
    // QT_QPA_PLATFORM removed from the environment.
    explicit ProgramRun(const std::vector<std::string>& arguments,
                        Stdout stdoutGoesTo = Stdout::Captured);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;
    ProgramRun(ProgramRun&&) = delete;
    ProgramRun& operator=(ProgramRun&&) = delete;

    // Waits for the end (a few seconds at most) and returns what the program did.
    ProgramOutcome Finish();

private:
    int m_out = -1;
    int m_err = -1;
    std::unique_ptr<ChildProcess> m_process;
};

// Runs the program to its end.
ProgramOutcome RunProgram(const std::vector<std::string>& arguments,
                          Stdout stdoutGoesTo = Stdout::Captured);

// `text` as a C string literal, every byte outside printable ASCII as an octal escape, to name an
// argument exactly in a failure message.
std::string Escaped(const std::string& text);
