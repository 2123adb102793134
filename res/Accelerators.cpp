// SPDX-License-Identifier: GPL-3.0-or-later
// Accelerator table 128 (IDR_MAINFRAME). Only Ctrl+N (new game) and Ctrl+O (the framework's
// open command) reach a handler; the others are the framework's standard keys, kept as the
// program has always had them, and do nothing here.
#include "afx/AfxRes.h"
#include "res/Resource.h"
#include "res/ResourceTables.h"

namespace {

constexpr BYTE CTRL = afx::FVIRTKEY | afx::FCONTROL;
constexpr BYTE SHIFT = afx::FVIRTKEY | afx::FSHIFT;
constexpr BYTE ALT = afx::FVIRTKEY | afx::FALT;

// A letter key's virtual-key code is its upper-case character.
constexpr WORD Key(char letter)
{
    return static_cast<WORD>(letter);
}

constexpr WORD Cmd(UINT id)
{
    return static_cast<WORD>(id);
}

constexpr afx::AcceleratorResource MAINFRAME_KEYS[] = {
    {CTRL, Key('N'), Cmd(ID_FILE_NEW)},          {CTRL, Key('O'), Cmd(ID_FILE_OPEN)},
    {CTRL, Key('S'), Cmd(ID_FILE_SAVE)},         {CTRL, Key('Z'), Cmd(ID_EDIT_UNDO)},
    {CTRL, Key('X'), Cmd(ID_EDIT_CUT)},          {CTRL, Key('C'), Cmd(ID_EDIT_COPY)},
    {CTRL, Key('V'), Cmd(ID_EDIT_PASTE)},        {ALT, afx::VK_BACK, Cmd(ID_EDIT_UNDO)},
    {SHIFT, afx::VK_DELETE, Cmd(ID_EDIT_CUT)},   {CTRL, afx::VK_INSERT, Cmd(ID_EDIT_COPY)},
    {SHIFT, afx::VK_INSERT, Cmd(ID_EDIT_PASTE)}, {afx::FVIRTKEY, afx::VK_F6, Cmd(ID_NEXT_PANE)},
    {SHIFT, afx::VK_F6, Cmd(ID_PREV_PANE)},
};

constexpr afx::AcceleratorTableResource TABLES[] = {
    {IDR_MAINFRAME, MAINFRAME_KEYS},
};

} // namespace

namespace res::detail {

constinit const std::span<const afx::AcceleratorTableResource> ACCELERATOR_TABLES{TABLES};

} // namespace res::detail
