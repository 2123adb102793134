// SPDX-License-Identifier: GPL-3.0-or-later
// The program object: starts the program, and handles the commands of the About box, the
// rules and new games for every window.
#pragma once

#include "afx/CWinApp.h"

class CZintra_winApp : public CWinApp {
public:
    CZintra_winApp();
    ~CZintra_winApp() override;

    BOOL InitInstance() override;

    void OnAppAbout();
    void OnHelpRules();

protected:
    DECLARE_MESSAGE_MAP()
};

extern CZintra_winApp theApp;
