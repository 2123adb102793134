// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Zintra_winDoc.h"

#include "afx/Platform.h"

IMPLEMENT_DYNCREATE(CZintra_winDoc, CDocument)

BEGIN_MESSAGE_MAP(CZintra_winDoc, CDocument)
END_MESSAGE_MAP()

CZintra_winDoc::CZintra_winDoc() = default;

CZintra_winDoc::~CZintra_winDoc() = default;

void CZintra_winDoc::Serialize(CArchive& /*ar*/) {}

void CZintra_winDoc::NewGame(int count)
{
    GameRules::NewGame(count);
    // A null window: every window repaints, the board among them.
    InvalidateRect(nullptr, nullptr, TRUE);
}
