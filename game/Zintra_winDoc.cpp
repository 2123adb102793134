// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Zintra_winDoc.h"

IMPLEMENT_DYNCREATE(CZintra_winDoc, CDocument)

BEGIN_MESSAGE_MAP(CZintra_winDoc, CDocument)
END_MESSAGE_MAP()

// Until NewGame there are no players and no rows; the other fields hold harmless values so
// that every operation stays within the (empty) arrays if called this early.
CZintra_winDoc::CZintra_winDoc() = default;

CZintra_winDoc::~CZintra_winDoc() = default;

void CZintra_winDoc::Serialize(CArchive& /*ar*/) {}
