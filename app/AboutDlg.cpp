// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"

#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg()
    : CDialog(IDD_ABOUTBOX, nullptr)
{}

CAboutDlg::~CAboutDlg() = default;
