// SPDX-License-Identifier: GPL-3.0-or-later
// Plays games through the document's public operations the way the board drives them: in the
// choose phase a draw or a take, after a draw a placement, each picked at random among the
// legal moves. Deterministic for a given seed.
#pragma once

#include "game/GameRules.h"

#include <cstdint>

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed)
        : m_state(seed)
    {}

    // Makes one legal step for the current player: a draw, a placement or a take, keeping the
    // turn phase and the game-over flag as the board does. Returns 1 when it ended the game,
    // 0 when play goes on, and -1 (changing nothing) when the player has no legal move.
    int Step(GameRules& doc);

    // Steps until the game is over, or until no move is possible or far more steps than any
    // game needs have passed (so a broken engine fails a test instead of hanging it).
    // Returns the number of steps taken.
    int PlayToEnd(GameRules& doc);

    // A number in 0..bound-1 (bound > 0), from the player's own generator.
    int Below(int bound);

private:
    std::uint64_t m_state;
};
