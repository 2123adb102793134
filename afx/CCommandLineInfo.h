// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks the program to do, as ParseCommandLine fills it in. A program
// says in its own class what its arguments mean; whatever they are, ProcessShellCommand then
// makes the new document the program starts with.
#pragma once

#include "afx/WinTypes.h"

class CCommandLineInfo {
public:
    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;
    CCommandLineInfo(const CCommandLineInfo&) = delete;
    CCommandLineInfo& operator=(const CCommandLineInfo&) = delete;
    CCommandLineInfo(CCommandLineInfo&&) = delete;
    CCommandLineInfo& operator=(CCommandLineInfo&&) = delete;

    // Called for each argument in turn. A flag ("-x" or "--x") comes without its first '-';
    // `bLast` is set for the last argument. The text is UTF-8 decoded with every byte kept
    // (afx::WidenKeepingBytes), so that an argument can be shown as it was given.
    virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) = 0;
};
