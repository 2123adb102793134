// SPDX-License-Identifier: GPL-3.0-or-later
// The game document: the whole state of one game, its set-up, its turn rules and its scoring.
// It knows no screen: the board reads its fields and drives turns through the operations below.
#pragma once

#include "afx/CDocument.h"
#include "game/GameTypes.h"

#include <array>
#include <vector>

class CZintra_winDoc : public CDocument {
    DECLARE_DYNCREATE(CZintra_winDoc)

public:
    // Both arrays start empty and there are no players until NewGame.
    CZintra_winDoc();
    ~CZintra_winDoc() override;

    // Nothing of a game is ever stored or loaded.
    void Serialize(CArchive& ar) override;

    // The new-document step, run for the first game and on every File > New: asks for the
    // number of players and starts a game for them. It belongs with the program's dialogs and
    // is defined among them (app/DocumentNewGame.cpp).
    BOOL OnNewDocument() override;

    // --- Set-up -------------------------------------------------------------------------

    // Replaces every trace of the previous game with a fresh one for `count` players, clamped
    // to 2..5, on a deck shuffled from the calendar second (or the fixed seed, ShuffleSeed.h),
    // and asks every window to repaint.
    void NewGame(int count);

    // The cards not yet placed on a row, the drawn one included.
    int UndealtCount() const;
    // True from the moment the undealt cards number 3 × players + 1 or fewer: the round under
    // way is the game's last.
    bool IsLastRound() const;

    // --- Turn rules (for the current player) ----------------------------------------------

    // Whether a move of `kind` is possible on some row; for MOVE_PLACE, whether a draw is.
    bool CanMove(MoveKind kind) const;
    // Whether a move of `kind` is allowed on `row`; false for a row outside 0..players-1.
    bool CanMoveOnRow(int row, MoveKind kind) const;
    // Carries the move out, passes the turn and ends the round when every player has taken a
    // row. Returns 1 when that round was the last (the game is over), else 0. A move that
    // CanMoveOnRow refuses changes nothing and returns 0.
    int ApplyMove(MoveKind kind, int row);
    // The seat that moves after the current player: the next one, in seat order, that has not
    // taken a row this round.
    int NextPlayer() const;

    // --- Scoring and results --------------------------------------------------------------

    // The final score of the player at `playerIndex` (0-based), possibly negative. A seat
    // without a player has collected nothing and scores 0.
    int PlayerScore(int playerIndex) const;
    // Every player's score, in seat order.
    std::vector<int> AllScores() const;
    // The highest of the first m_numPlayers scores (of as many as the list holds; 0 for none).
    int MaxScore(std::vector<int> scores) const;
    // The player numbers (index + 1), ascending, of the players whose score equals `score`.
    std::vector<int> PlayersWithScore(int score) const;

    // --- Game fields ----------------------------------------------------------------------
    // The board reads these directly on every repaint, and writes m_turnPhase and
    // m_gameOver as it drives a turn; nothing else writes them but the operations above.

    int m_numPlayers = 0;
    std::vector<PlayerState> m_players; // by seat; index 0 is player #1
    int m_currentPlayer = 0;
    std::vector<RowState> m_rows;             // index 0 is row #1
    std::array<CardCode, DECK_SIZE> m_deck{}; // dealt from position 0 on
    CardCode* m_deckTop = m_deck.data();      // the next undealt card: after a draw, the drawn one
    TurnPhase m_turnPhase = PHASE_CHOOSE;
    bool m_gameOver = false;

protected:
    // Empty: the document handles no commands.
    DECLARE_MESSAGE_MAP()

private:
    bool EveryPlayerTookRow() const;
    void TakeRow(RowState& row);
    bool PlaceDrawnCard(RowState& row); // false when it cannot, changing nothing
    void StartNextRound();
};
