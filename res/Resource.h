// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own resource ids: its menu and accelerators, dialogs, strings, commands and
// controls. The framework's ids (ID_FILE_NEW, AFX_IDS_APP_TITLE, ...) are in afx/AfxRes.h.
#pragma once

#include "afx/WinTypes.h"

// Resource 128: the frame's menu, accelerator table, icon and the document string.
inline constexpr UINT IDR_MAINFRAME = 128;

// Dialog templates.
inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDD_NUMPLAYERS = 130;

// Strings: the start-up failure message and the rules text.
inline constexpr UINT IDP_OLE_INIT_FAILED = 100;
inline constexpr UINT IDS_RULES = 133;

// Commands of the program's own.
inline constexpr UINT ID_HELP_RULES = 32771; // Help > Rules

// Controls of the "Number of Players" dialog: four radio buttons, 2 to 5, in order, so that
// IDC_PLAYERS_2 + (count - 2) is the button of `count`, and the group box around them.
inline constexpr int IDC_PLAYERS_2 = 1000;
inline constexpr int IDC_PLAYERS_3 = 1001;
inline constexpr int IDC_PLAYERS_4 = 1002;
inline constexpr int IDC_PLAYERS_5 = 1003;
inline constexpr int IDC_PLAYERS_GROUP = 1004;
