// SPDX-License-Identifier: GPL-3.0-or-later
// The "Number of Players" dialog: four radio buttons, 2 to 5, and OK. The last button clicked
// is the answer; closing the dialog in any way keeps it, and no click at all leaves 0.
#pragma once

#include "afx/CDialog.h"

class NumPlayersDlg : public CDialog {
    DECLARE_DYNAMIC(NumPlayersDlg)

public:
    NumPlayersDlg();
    ~NumPlayersDlg() override;

    // 0 until a button is clicked, then that button's count. Never checked or corrected here:
    // the game clamps it.
    int m_numPlayers = 0;

protected:
    void OnBnClickedPlayers2();
    void OnBnClickedPlayers3();
    void OnBnClickedPlayers4();
    void OnBnClickedPlayers5();

    DECLARE_MESSAGE_MAP()
};
