// SPDX-License-Identifier: GPL-3.0-or-later
// What a computer player is shown of a game: everything a person at the table can see, and
// nothing of the order of the undealt cards.
#pragma once

#include "ai/Collection.h"
#include "game/GameTypes.h"

#include <array>

class GameRules;

// A plain copy of the table. Seats and rows beyond numPlayers are left fresh.
struct Observation {
    int numPlayers = MIN_PLAYERS;
    int currentPlayer = 0; // the seat to move
    TurnPhase phase = PHASE_CHOOSE;
    CardCode drawnCard = CARD_EMPTY; // the face-up drawn card in PHASE_PLACE, else CARD_EMPTY
    int undealt = DECK_SIZE;         // cards not yet placed on a row, the drawn one included
    // Collections, and who has taken a row this round (tookRow).
    std::array<PlayerState, MAX_PLAYERS> players{};
    // Every row's cards and whether it has been taken this round.
    std::array<RowState, MAX_PLAYERS> rows{};
    // How many cards of each code are among the undealt ones, the drawn card not counted:
    // the whole deck less every card on show. Adds up to undealt, less one while placing.
    Collection unseen{};
};

// The observation of a running game, for the player whose turn it is. Reads the rules' fields
// only; the undealt cards are counted, never listed.
Observation Observe(const GameRules& rules);

// The unseen cards of a table whose other fields are set: the whole deck less the collections,
// the cards on rows not taken (a taken row's cards are in a collection already) and the drawn
// card.
Collection UnseenCards(const Observation& table);
