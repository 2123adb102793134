// SPDX-License-Identifier: GPL-3.0-or-later
// The program object: starts the program (with its computer players, if the command line asks
// for any), and handles the commands of the About box, the rules and new games for every
// window.
#pragma once

#include "afx/CWinApp.h"
#include "view/ComputerTurns.h"

#include <optional>

class CZintra_winApp : public CWinApp {
public:
    CZintra_winApp();
    ~CZintra_winApp() override;

    BOOL InitInstance() override;

    void OnAppAbout();
    void OnHelpRules();

protected:
    DECLARE_MESSAGE_MAP()

private:
    // Hands the seats computers play to the board, their choices seeded from `seed` when the
    // run has one.
    void PlayComputers(ComputerPlayers players, std::optional<unsigned> seed);
};

extern CZintra_winApp theApp;
