// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/RandomPlayer.h"

#include <array>

namespace {

// The moves open in the current phase: row indexes, and -1 for a draw from the deck.
struct Options {
    std::array<int, MAX_PLAYERS + 1> moves{};
    int count = 0;

    void Add(int move) { moves[static_cast<std::size_t>(count++)] = move; }
};

constexpr int DRAW = -1;

} // namespace

int RandomPlayer::Below(int bound)
{
    // splitmix64: fast, and independent of the C library generator that shuffles the deck.
    m_state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t mixed = m_state;
    mixed = (mixed ^ (mixed >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    mixed = (mixed ^ (mixed >> 27U)) * 0x94D049BB133111EBULL;
    mixed ^= mixed >> 31U;
    // Scales the top 32 bits into the range with a multiply, not a (slow) 64-bit division.
    return static_cast<int>(((mixed >> 32U) * static_cast<std::uint64_t>(bound)) >> 32U);
}

int RandomPlayer::Step(GameRules& doc)
{
    const MoveKind kind = doc.m_turnPhase == PHASE_PLACE ? MOVE_PLACE : MOVE_TAKE;
    Options options;
    if (kind == MOVE_TAKE && doc.CanMove(MOVE_PLACE)) {
        options.Add(DRAW);
    }
    for (int row = 0; row < doc.m_numPlayers; ++row) {
        if (doc.CanMoveOnRow(row, kind)) {
            options.Add(row);
        }
    }
    if (options.count == 0) {
        return -1;
    }
    const int move = options.moves[static_cast<std::size_t>(Below(options.count))];
    if (move == DRAW) {
        doc.m_turnPhase = PHASE_PLACE;
        return 0;
    }
    const int result = doc.ApplyMove(kind, move);
    doc.m_turnPhase = PHASE_CHOOSE;
    if (result == 1) {
        doc.m_gameOver = true;
    }
    return result;
}

int RandomPlayer::PlayToEnd(GameRules& doc)
{
    // A game places at most 74 cards, each a draw and a placement, and takes a row at most
    // once per card placed: well under this.
    constexpr int kMoreStepsThanAnyGame = 1000;
    int steps = 0;
    while (!doc.m_gameOver && steps < kMoreStepsThanAnyGame && Step(doc) >= 0) {
        ++steps;
    }
    return steps;
}
