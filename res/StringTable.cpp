// SPDX-License-Identifier: GPL-3.0-or-later
// The string table: every string the program shows, by id. The framework's prompts for
// commands that no menu item offers (Open, Save, the editing commands, ...) are never shown and
// are left out; a command without a string has no prompt, as Help > Rules has none.
#include "afx/AfxRes.h"
#include "res/Resource.h"
#include "res/ResourceTables.h"

namespace {

constexpr afx::StringResource STRINGS[] = {
    {IDP_OLE_INIT_FAILED,
     L"OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    // The document string's seven fields: window title, document name, File New name,
    // filter name, filter extension, registry type id, registry type name.
    {IDR_MAINFRAME, L"Zintra_win\n\nZintra_win\n\n\nZintrawin.Document\nZintra_win.Document"},
    {IDS_RULES, res::detail::RULES_TEXT},

    {AFX_IDS_APP_TITLE, L"Zintra_win"},
    {AFX_IDS_IDLEMESSAGE, L"Ready"},

    // Status-bar prompts of the menu's commands; the part after the newline is the short
    // name a tooltip would show.
    {ID_FILE_NEW, L"Create a new document\nNew"},
    {ID_APP_ABOUT, L"Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, L"Quit the application; prompts to save documents\nExit"},

    // The status bar's key panes.
    {ID_INDICATOR_CAPS, L"CAP"},
    {ID_INDICATOR_NUM, L"NUM"},
    {ID_INDICATOR_SCRL, L"SCRL"},

    // Prompts of the system menu's commands.
    {AFX_IDS_SCSIZE, L"Change the window size"},
    {AFX_IDS_SCMOVE, L"Change the window position"},
    {AFX_IDS_SCMINIMIZE, L"Reduce the window to an icon"},
    {AFX_IDS_SCMAXIMIZE, L"Enlarge the window to full size"},
    {AFX_IDS_SCNEXTWINDOW, L"Switch to the next document window"},
    {AFX_IDS_SCPREVWINDOW, L"Switch to the previous document window"},
    {AFX_IDS_SCCLOSE, L"Close the active window and prompts to save the documents"},
    {AFX_IDS_SCRESTORE, L"Restore the window to normal size"},
    {AFX_IDS_SCTASKLIST, L"Activate Task List"},
};

} // namespace

namespace res::detail {

constinit const std::span<const afx::StringResource> STRING_TABLE{STRINGS};

} // namespace res::detail
