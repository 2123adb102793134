// SPDX-License-Identifier: GPL-3.0-or-later
// A program's resources: its strings, menus, accelerator tables, dialog templates, icons and
// version information, as constant tables found by id. The program hands its bundle to the
// framework at start-up; windows, dialogs and LoadString look their resources up there.
// Everything here is constant-initialised, so it exists before any code runs.
#pragma once

#include "afx/CString.h"
#include "afx/WinTypes.h"

#include <span>

namespace afx {

struct StringResource {
    UINT id;
    const wchar_t* text;
};

// One item of a drop-down menu; a separator has no text and id 0.
struct MenuItemResource {
    const wchar_t* text; // "&New\tCtrl+N": mnemonic after '&', the shortcut's label after a tab
    UINT id;
};

struct PopupMenuResource {
    const wchar_t* text;
    std::span<const MenuItemResource> items;
};

struct MenuResource {
    UINT id;
    std::span<const PopupMenuResource> popups;
};

// Accelerator flags and the virtual keys the tables use besides letters (which are their
// upper-case character codes).
inline constexpr BYTE FVIRTKEY = 0x01;
inline constexpr BYTE FSHIFT = 0x04;
inline constexpr BYTE FCONTROL = 0x08;
inline constexpr BYTE FALT = 0x10;
inline constexpr WORD VK_BACK = 0x08;
inline constexpr WORD VK_INSERT = 0x2D;
inline constexpr WORD VK_DELETE = 0x2E;
inline constexpr WORD VK_F6 = 0x75;

struct AcceleratorResource {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

struct AcceleratorTableResource {
    UINT id;
    std::span<const AcceleratorResource> entries;
};

enum class ControlKind {
    DefPushButton,
    PushButton,
    Text,            // static text, left-aligned
    Icon,            // static picture of an icon resource
    AutoRadioButton, // checks itself and unchecks the others of its group when chosen
    GroupBox,
};

// One control of a dialog template. Positions and sizes are in dialog units.
struct DialogItemResource {
    ControlKind kind;
    int id; // -1: a control nothing refers to
    const wchar_t* text;
    UINT iconId; // ControlKind::Icon only
    short x;
    short y;
    short cx;
    short cy;
    DWORD style; // WS_GROUP, WS_TABSTOP, SS_NOPREFIX, ...
};

struct DialogResource {
    UINT id;
    const wchar_t* caption;
    short cx; // dialog units
    short cy;
    const wchar_t* fontName;
    WORD pointSize;
    DWORD style;
    std::span<const DialogItemResource> items; // in tab order
};

// An icon: the same picture at several sizes, each a file among the backend's own embedded
// files (the Qt backend reads ":/..." paths).
struct IconResource {
    UINT id;
    std::span<const char* const> files;
};

struct VersionString {
    const wchar_t* key;
    const wchar_t* value;
};

struct VersionInfoResource {
    WORD fileVersion[4];
    WORD productVersion[4];
    std::span<const VersionString> strings;
};

struct ResourceBundle {
    std::span<const StringResource> strings;
    std::span<const MenuResource> menus;
    std::span<const AcceleratorTableResource> acceleratorTables;
    std::span<const DialogResource> dialogs;
    std::span<const IconResource> icons;
    const VersionInfoResource* versionInfo = nullptr;
};

// Installs the program's resources (not owned); null removes them.
void SetResources(const ResourceBundle* bundle);

// Lookups in the installed bundle; null (or empty) when it holds no such resource.
const wchar_t* FindString(UINT id);
const MenuResource* FindMenu(UINT id);
const AcceleratorTableResource* FindAcceleratorTable(UINT id);
const DialogResource* FindDialog(UINT id);
const IconResource* FindIcon(UINT id);
const wchar_t* FindVersionString(const wchar_t* key);

// A command's status-bar prompt: its string up to the first newline; empty when it has none.
CString LoadPrompt(UINT id);
// Field `index` of a newline-separated string, as a document template's string holds them.
CString ExtractSubString(const CString& text, int index);

} // namespace afx
