// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the computer players play it in their heads: the same rules as the real game on
// a compact state that copies in a few cache lines and plays a step without allocating, with
// the undealt cards in an order of the player's own choosing.
#pragma once

#include "ai/Collection.h"
#include "ai/Step.h"

#include <array>
#include <cstdint>

class Rng;

struct SimGame {
    std::int8_t players = MIN_PLAYERS;
    std::int8_t current = 0;
    bool placing = false; // the card at deck[deckTop] has been drawn and awaits its row
    bool over = false;
    std::uint8_t took = 0;  // seats that have taken a row this round, a bit each
    std::uint8_t taken = 0; // rows taken this round, a bit each
    std::uint8_t deckTop = 0;
    std::array<std::uint8_t, MAX_PLAYERS> rowLength{};
    std::array<std::array<std::int8_t, ROW_SLOTS>, MAX_PLAYERS> rowCards{};
    std::array<Collection, MAX_PLAYERS> collections{};
    // deck[deckTop..] are the undealt cards; the ones before it play no part.
    std::array<std::int8_t, DECK_SIZE> deck{};

    // The table as observed, with the undealt cards left in no particular order (the drawn
    // card first while placing). Deal() must order them before the game is played on.
    static SimGame FromObservation(const Observation& table);

    // Puts the unseen cards in a random order behind the drawn one: one of the deals that
    // agree with everything on show.
    void Deal(Rng& rng);

    int Undealt() const { return DECK_SIZE - deckTop; }
    bool IsLastRound() const { return 3 * players >= Undealt() - 1; }
    bool RowTaken(int row) const { return (taken >> row & 1U) != 0; }
    bool SeatTook(int seat) const { return (took >> seat & 1U) != 0; }
    bool CanTake(int row) const
    {
        return !RowTaken(row) && rowLength[static_cast<unsigned>(row)] > 0;
    }
    bool CanPlace(int row) const
    {
        return !RowTaken(row) && rowLength[static_cast<unsigned>(row)] < ROW_SLOTS;
    }
    bool CanDraw() const;
    // The card that a draw turns up, or that has been drawn.
    int TopCard() const { return deck[deckTop]; }

    // The steps open now, in the same order as LegalSteps.
    StepList Legal() const;
    // Plays a legal step by the rules, drawing from deck[deckTop]; ends rounds and the game.
    void Play(Step step);
    // The seat that moves after the current one.
    int NextSeat() const;

    // Every seat's final score (seats beyond `players` score 0).
    std::array<int, MAX_PLAYERS> Scores() const;
};
