// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's own ids: its commands, its strings, its status-bar panes and its windows.
// A program's resources give these ids their texts; the program's own ids start below them.
#pragma once

#include "afx/WinTypes.h"

// Strings the framework itself shows.
inline constexpr UINT AFX_IDS_APP_TITLE = 0xE000;   // 57344: the program's title
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001; // 57345: the status bar's idle text

// Commands.
inline constexpr UINT ID_FILE_NEW = 0xE100;   // 57600
inline constexpr UINT ID_FILE_OPEN = 0xE101;  // 57601
inline constexpr UINT ID_FILE_SAVE = 0xE103;  // 57603
inline constexpr UINT ID_EDIT_COPY = 0xE122;  // 57634
inline constexpr UINT ID_EDIT_CUT = 0xE123;   // 57635
inline constexpr UINT ID_EDIT_PASTE = 0xE125; // 57637
inline constexpr UINT ID_EDIT_UNDO = 0xE12B;  // 57643
inline constexpr UINT ID_APP_ABOUT = 0xE140;  // 57664
inline constexpr UINT ID_APP_EXIT = 0xE141;   // 57665
inline constexpr UINT ID_NEXT_PANE = 0xE150;  // 57680
inline constexpr UINT ID_PREV_PANE = 0xE151;  // 57681

// Status-bar panes: the stretching message pane and the key panes.
inline constexpr UINT ID_SEPARATOR = 0;
inline constexpr UINT ID_INDICATOR_CAPS = 0xE701; // 59137
inline constexpr UINT ID_INDICATOR_NUM = 0xE702;  // 59138
inline constexpr UINT ID_INDICATOR_SCRL = 0xE703; // 59139

// Child windows of a frame.
inline constexpr UINT AFX_IDW_STATUS_BAR = 0xE801; // 59393

// Prompts of the system menu's commands.
inline constexpr UINT AFX_IDS_SCSIZE = 0xEF00; // 61184
inline constexpr UINT AFX_IDS_SCMOVE = 0xEF01;
inline constexpr UINT AFX_IDS_SCMINIMIZE = 0xEF02;
inline constexpr UINT AFX_IDS_SCMAXIMIZE = 0xEF03;
inline constexpr UINT AFX_IDS_SCNEXTWINDOW = 0xEF04;
inline constexpr UINT AFX_IDS_SCPREVWINDOW = 0xEF05;
inline constexpr UINT AFX_IDS_SCCLOSE = 0xEF06;    // 61190
inline constexpr UINT AFX_IDS_SCRESTORE = 0xEF12;  // 61202
inline constexpr UINT AFX_IDS_SCTASKLIST = 0xEF13; // 61203
