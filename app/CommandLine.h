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

    // Prints the answer to a request other than Play (help and the version to `out`, an error
    // to `err`) and returns the program's exit code: 0, or 2 for an error. `command` is the
    // name the program was started by.
    int Answer(const std::string& command, std::ostream& out, std::ostream& err) const;

private:
    void Fail(std::string message);

    bool m_expectSeed = false;
    std::string m_error;
};
