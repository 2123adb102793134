// SPDX-License-Identifier: GPL-3.0-or-later
// The cards, the players' and rows' records, and the small value sets shared by the rules
// and the board.
#pragma once

#include <array>
#include <cstdint>

// One card, or the absence of one in a row's slot. 0 to 6 are the colours R, G, B, Y, P, S,
// V, and double as indexes into a player's colour counts.
using CardCode = std::int32_t;

inline constexpr CardCode CARD_WILD = 7;
inline constexpr CardCode CARD_BONUS = 8; // the "+2" card
inline constexpr CardCode CARD_EMPTY = -1;

inline constexpr int NUM_COLOURS = 7;
inline constexpr int CARDS_PER_COLOUR = 9;
inline constexpr int NUM_WILD_CARDS = 3;
inline constexpr int NUM_BONUS_CARDS = 10;
inline constexpr int DECK_SIZE = NUM_COLOURS * CARDS_PER_COLOUR + NUM_WILD_CARDS + NUM_BONUS_CARDS;
static_assert(DECK_SIZE == 76);

inline constexpr int ROW_SLOTS = 3;
inline constexpr int MIN_PLAYERS = 2;
inline constexpr int MAX_PLAYERS = 5;

constexpr bool IsColour(CardCode card)
{
    return card >= 0 && card < NUM_COLOURS;
}

// One player's collection. Counts only grow during a game.
struct PlayerState {
    bool tookRow = false; // has taken a row this round, and so sits the round out
    std::array<std::int32_t, NUM_COLOURS> colourCount{};
    std::int32_t wildCount = 0;
    std::int32_t bonusCount = 0;
};

// One row on the table. Slots fill from the first without gaps; a taken row keeps its cards
// on show until the round ends.
struct RowState {
    bool full = false;  // the third slot holds a card
    bool taken = false; // a player took it this round
    std::array<CardCode, ROW_SLOTS> slots{CARD_EMPTY, CARD_EMPTY, CARD_EMPTY};
};

// The rule operations test only for MOVE_TAKE: any other value is a placement.
enum MoveKind : std::int32_t {
    MOVE_PLACE = 0, // place the drawn card; asked of CanMove, "may the player draw?"
    MOVE_TAKE = 1,
};

// Held in the document's m_turnPhase; set by the board as the turn goes on.
enum TurnPhase : std::int32_t {
    PHASE_PLACE = 0,  // a card has been drawn and must now be placed
    PHASE_CHOOSE = 2, // draw the top card or take a row
};
