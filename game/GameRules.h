// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the game as a plain class: the whole state of one game, its set-up, its turn
// rules and its scoring. It knows no screen and no framework, so that the program's document,
// the computer players, the tests and the benchmarks all play by the same rules.
#pragma once

#include "game/GameTypes.h"

#include <array>
#include <vector>

class GameRules {
public:
    // Both arrays start empty and there are no players until NewGame; the other fields hold
    // harmless values so that every operation stays within the (empty) arrays if called early.
    GameRules() = default;
    // A copy is a game of its own: its top of the deck points into its own deck.
    GameRules(const GameRules& other);
    GameRules& operator=(const GameRules& other);
    ~GameRules() = default;

    // --- Set-up -------------------------------------------------------------------------

    // Replaces every trace of the previous game with a fresh one for `count` players, clamped
    // to 2..5, on a deck shuffled from the calendar second (or the fixed seed, ShuffleSeed.h).
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
    // Public, as a table is: whoever shows the game reads them directly, and whoever drives a
    // turn writes m_turnPhase and m_gameOver; nothing else writes them but the operations
    // above.

    int m_numPlayers = 0;
    std::vector<PlayerState> m_players; // by seat; index 0 is player #1
    int m_currentPlayer = 0;
    std::vector<RowState> m_rows;             // index 0 is row #1
    std::array<CardCode, DECK_SIZE> m_deck{}; // dealt from position 0 on
    CardCode* m_deckTop = m_deck.data();      // the next undealt card: after a draw, the drawn one
    TurnPhase m_turnPhase = PHASE_CHOOSE;
    bool m_gameOver = false;

private:
    bool EveryPlayerTookRow() const;
    void TakeRow(RowState& row);
    bool PlaceDrawnCard(RowState& row); // false when it cannot, changing nothing
    void StartNextRound();
};
