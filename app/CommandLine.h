// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: `--seed N` deals every game of the run from seed N; `--help` and
// `--version` answer and end the program; anything else is an error. No argument at all
// starts a new game, as the framework does by default.
#pragma once

#include "afx/CCommandLineInfo.h"

#include <iosfwd>
#include <optional>
#include <string>

class CZintra_winCommandLineInfo : public CCommandLineInfo {
public:
    enum class Request { Play, Help, Version, Error };

    void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override;

    Request m_request = Request::Play;
    // The seed of every game of the run; none: each game takes the clock's.
    std::optional<unsigned> m_seed;

    // Answers a request other than Play and returns the program's exit code: help and the
    // version go to `out` (0, or 1 with a message on `err` when they cannot be written there),
    // an error to `err` as one line, then a line pointing at --help (2). `programName` (ASCII)
    // is what the usage line and the messages call the program.
    int Answer(const wchar_t* programName, std::ostream& out, std::ostream& err) const;

private:
    void Fail(std::string message);

    bool m_expectSeed = false;
    std::string m_error;
};
