// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog templates 100 (the About box) and 130 (the "Number of Players" dialog). Positions and
// sizes are in dialog units; controls stand in template order, which is also the tab order.
#include "res/Resource.h"
#include "res/ResourceTables.h"

namespace {

using afx::ControlKind;

constexpr const wchar_t* DIALOG_FONT = L"MS Shell Dlg";
constexpr WORD DIALOG_FONT_SIZE = 8;
// A modal box with a caption and a close box, in the template's font.
constexpr DWORD MODAL_BOX_STYLE =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
constexpr int NO_ID = -1;    // a control nothing refers to
constexpr UINT NO_ICON = 0U; // the iconId of a control that is not an icon

constexpr afx::DialogItemResource ABOUT_ITEMS[] = {
    // kind, id, text, icon, x, y, cx, cy, style
    {ControlKind::Icon, NO_ID, L"", IDR_MAINFRAME, 11, 17, 20, 20, 0},
    {ControlKind::Text, NO_ID, L"Zintra_win Version 1.0", NO_ICON, 40, 10, 119, 8,
     SS_NOPREFIX | WS_GROUP},
    {ControlKind::DefPushButton, IDOK, L"OK", NO_ICON, 178, 7, 50, 16, WS_GROUP | WS_TABSTOP},
};

// No Cancel button: Esc and the close box end the dialog as OK does. The four radio buttons
// form one group, starting at "2", each a tab stop of its own; none is checked at the start.
constexpr afx::DialogItemResource NUMPLAYERS_ITEMS[] = {
    // kind, id, text, icon, x, y, cx, cy, style
    {ControlKind::DefPushButton, IDOK, L"OK", NO_ICON, 66, 60, 50, 14, WS_TABSTOP},
    {ControlKind::Text, NO_ID, L"Please select the number of players.", NO_ICON, 31, 19, 118, 8,
     WS_GROUP},
    {ControlKind::AutoRadioButton, IDC_PLAYERS_2, L"2", NO_ICON, 37, 36, 20, 10,
     WS_GROUP | WS_TABSTOP},
    {ControlKind::AutoRadioButton, IDC_PLAYERS_3, L"3", NO_ICON, 65, 36, 20, 10, WS_TABSTOP},
    {ControlKind::AutoRadioButton, IDC_PLAYERS_4, L"4", NO_ICON, 92, 36, 20, 10, WS_TABSTOP},
    {ControlKind::AutoRadioButton, IDC_PLAYERS_5, L"5", NO_ICON, 117, 36, 20, 10, WS_TABSTOP},
    {ControlKind::GroupBox, IDC_PLAYERS_GROUP, L"", NO_ICON, 17, 28, 138, 26, 0},
};

constexpr afx::DialogResource DIALOG_TABLE[] = {
    {IDD_ABOUTBOX, L"About Zintra_win", 235, 55, DIALOG_FONT, DIALOG_FONT_SIZE, MODAL_BOX_STYLE,
     ABOUT_ITEMS},
    {IDD_NUMPLAYERS, L"Number of Players", 186, 90, DIALOG_FONT, DIALOG_FONT_SIZE, MODAL_BOX_STYLE,
     NUMPLAYERS_ITEMS},
};

} // namespace

namespace res::detail {

constinit const std::span<const afx::DialogResource> DIALOGS{DIALOG_TABLE};

} // namespace res::detail
