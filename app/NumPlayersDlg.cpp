// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NumPlayersDlg.h"

#include "res/Resource.h"

IMPLEMENT_DYNAMIC(NumPlayersDlg, CDialog)

BEGIN_MESSAGE_MAP(NumPlayersDlg, CDialog)
    ON_BN_CLICKED(IDC_PLAYERS_2, &NumPlayersDlg::OnBnClickedPlayers2)
    ON_BN_CLICKED(IDC_PLAYERS_3, &NumPlayersDlg::OnBnClickedPlayers3)
    ON_BN_CLICKED(IDC_PLAYERS_4, &NumPlayersDlg::OnBnClickedPlayers4)
    ON_BN_CLICKED(IDC_PLAYERS_5, &NumPlayersDlg::OnBnClickedPlayers5)
END_MESSAGE_MAP()

NumPlayersDlg::NumPlayersDlg()
    : CDialog(IDD_NUMPLAYERS, nullptr)
{}

NumPlayersDlg::~NumPlayersDlg() = default;

void NumPlayersDlg::OnBnClickedPlayers2()
{
    m_numPlayers = 2;
}

void NumPlayersDlg::OnBnClickedPlayers3()
{
    m_numPlayers = 3;
}

void NumPlayersDlg::OnBnClickedPlayers4()
{
    m_numPlayers = 4;
}

void NumPlayersDlg::OnBnClickedPlayers5()
{
    m_numPlayers = 5;
}
