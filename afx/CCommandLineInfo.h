// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks the program to do, as ParseCommandLine fills it in: with no
// arguments, a new document.
#pragma once

#include "afx/CString.h"
#include "afx/WinTypes.h"

class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FileNothing } m_nShellCommand = FileNew;
    CString m_strFileName;

    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;
    CCommandLineInfo(const CCommandLineInfo&) = delete;
    CCommandLineInfo& operator=(const CCommandLineInfo&) = delete;
    CCommandLineInfo(CCommandLineInfo&&) = delete;
    CCommandLineInfo& operator=(CCommandLineInfo&&) = delete;

    // Called for each argument in turn. A flag ("-x", "--x" or "/x") comes without its first
    // '-' or '/'; `bLast` is set for the last argument. The base takes a plain argument as the
    // file to open.
    virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast);
};
