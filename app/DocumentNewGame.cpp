// SPDX-License-Identifier: GPL-3.0-or-later
// The document's new-document step lives with the program's dialogs rather than with the game:
// it is where the game meets the screen, and the game itself knows none.
#include "app/NumPlayersDlg.h"
#include "game/Zintra_winDoc.h"

BOOL CZintra_winDoc::OnNewDocument()
{
    if (CDocument::OnNewDocument() == FALSE) {
        return FALSE;
    }
    SetTitle(L"");

    // However the dialog ends, even when it cannot be shown, its count is the answer; 0 (no
    // choice) makes a game for two.
    NumPlayersDlg dialog;
    dialog.DoModal();
    NewGame(dialog.m_numPlayers);
    return TRUE;
}
