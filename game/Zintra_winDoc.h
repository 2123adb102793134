// SPDX-License-Identifier: GPL-3.0-or-later
// The game document: the rules of one game (GameRules) as the program's one document. It adds
// what the program needs of a document: the new-document step that asks for the number of
// players, and the repaint that shows every new game.
#pragma once

#include "afx/CDocument.h"
#include "game/GameRules.h"

class CZintra_winDoc : public CDocument, public GameRules {
    DECLARE_DYNCREATE(CZintra_winDoc)

public:
    CZintra_winDoc();
    ~CZintra_winDoc() override;

    // Nothing of a game is ever stored or loaded.
    void Serialize(CArchive& ar) override;

    // The new-document step, run for the first game and on every File > New: asks for the
    // number of players and starts a game for them. It belongs with the program's dialogs and
    // is defined among them (app/DocumentNewGame.cpp).
    BOOL OnNewDocument() override;

    // Sets up a fresh game as GameRules::NewGame does, then asks every window to repaint so
    // that the board shows it.
    void NewGame(int count);

protected:
    // Empty: the document handles no commands.
    DECLARE_MESSAGE_MAP()
};
