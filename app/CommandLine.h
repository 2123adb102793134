// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: `--seed N` deals every game of the run from seed N; `--computer
// SEATS`, `--level LEVEL` and `--pace MS` let computers play seats; `--help` and `--version`
// answer and end the program; anything else is an error. No argument at all starts a new game
// for people alone, as the framework does by default.
#pragma once

#include "afx/CCommandLineInfo.h"
#include "view/ComputerTurns.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

class CZintra_winCommandLineInfo : public CCommandLineInfo {
public:
    enum class Request { Play, Help, Version, Error };

    void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override;

    Request m_request = Request::Play;
    // The seed of every game of the run; none: each game takes the clock's.
    std::optional<unsigned> m_seed;
    // The seats computers play, how well and how fast; no seat unless --computer gives some.
    // The seed is left to the caller.
    ComputerPlayers m_computers;

    // Answers a request other than Play and returns the program's exit code: help and the
    // version go to `out` (0, or 1 with a message on `err` when they cannot be written there),
    // an error to `err` as one line, then a line pointing at --help (2). `programName` (ASCII)
    // is what the usage line and the messages call the program.
    int Answer(const wchar_t* programName, std::ostream& out, std::ostream& err) const;

    // The options that take a value, as `--name VALUE` or `--name=VALUE`.
    enum class Valued { None, Seed, Computer, Level, Pace };

private:
    // Handles the flag `param` when it names an option that takes a value (its value then
    // comes with it or next); false when it names none.
    bool ParseValuedOption(std::wstring_view param, BOOL bLast);
    // Takes the value of `option`; none when the value is missing or is another option.
    void TakeValue(Valued option, std::optional<std::wstring_view> value);
    void Fail(std::string message);

    Valued m_expecting = Valued::None; // the option whose value the next argument is
    std::string m_error;
};
