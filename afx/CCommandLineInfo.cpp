// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL /*bLast*/)
{
    if (bFlag == FALSE) {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}
