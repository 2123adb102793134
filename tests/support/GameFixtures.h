// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers that set up and inspect positions for the engine's tests and benchmarks.
#pragma once

#include "game/GameRules.h"

#include <array>
#include <initializer_list>
#include <optional>

// Fixes the shuffle seed for the lifetime of the object; the clock seeds again afterwards.
class FixedSeed {
public:
    explicit FixedSeed(unsigned seed);
    ~FixedSeed();
    FixedSeed(const FixedSeed&) = delete;
    FixedSeed& operator=(const FixedSeed&) = delete;
};

// How many cards of each code 0..8 a range of cards holds.
using CardTally = std::array<int, CARD_BONUS + 1>;
CardTally TallyCards(const CardCode* first, const CardCode* last);
// The tally of a whole deck: nine of each colour, three wild cards, ten "+2".
CardTally FullDeckTally();
// Every card of the game, wherever it is: collected, on a row not taken, or undealt.
CardTally TallyGame(const GameRules& doc);

// Lays `cards` on `row` as if placed one by one (not taking them from the deck).
void LayRow(GameRules& doc, int row, std::initializer_list<CardCode> cards);
// Marks `player` as having taken `row`, as a take does, without collecting its cards.
void MarkTaken(GameRules& doc, int player, int row);
// Moves the top of the deck so that `undealt` cards remain.
void SetUndealt(GameRules& doc, int undealt);

// A collection worth exactly `score` points (from -6 up), built from the scoring rule's own
// cases: "+2" cards for even points, a single colour card for one point, and for negative
// scores seven equal counts (all 1: -1, all 2: -3, all 3: -6) topped up with "+2"s.
PlayerState CollectionWorth(int score);

bool operator==(const PlayerState& left, const PlayerState& right);
bool operator==(const RowState& left, const RowState& right);

// Everything of the game state, for checking that an operation changed nothing.
struct GameSnapshot {
    int numPlayers;
    std::vector<PlayerState> players;
    int currentPlayer;
    std::vector<RowState> rows;
    std::array<CardCode, DECK_SIZE> deck;
    int undealt; // where m_deckTop stands, as a count
    TurnPhase turnPhase;
    bool gameOver;

    bool operator==(const GameSnapshot&) const = default;
};
GameSnapshot Snapshot(const GameRules& doc);
