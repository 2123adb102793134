// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the program's icon, name and version, and OK.
#pragma once

#include "afx/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    DECLARE_MESSAGE_MAP()
};
