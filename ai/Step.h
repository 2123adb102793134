// SPDX-License-Identifier: GPL-3.0-or-later
// A computer player's answer: one step of a turn, as a person would make it on the board.
#pragma once

#include "ai/Observation.h"

#include <array>
#include <cstdint>
#include <string>

enum class StepKind : std::uint8_t {
    Draw,  // turn up the top card of the deck (only while choosing)
    Take,  // take a row (only while choosing)
    Place, // put the drawn card on a row (only after a draw)
};

struct Step {
    StepKind kind = StepKind::Draw;
    int row = -1; // 0-based row of a take or a placement; -1 for a draw

    friend bool operator==(const Step&, const Step&) = default;
};

// "draw", "take row 2" or "place on row 3", with rows numbered from 1 as on the board.
std::string Describe(Step step);

// At most a draw and one step per row.
inline constexpr int MAX_STEPS = MAX_PLAYERS + 1;

// The steps open to the player to move, in a fixed order (the draw first, then rows in order).
struct StepList {
    std::array<Step, MAX_STEPS> steps{};
    int count = 0;

    const Step* begin() const { return steps.data(); }
    const Step* end() const { return steps.data() + count; }
};

// Every step the rules allow at this table: while choosing, a draw when some row not taken
// has room and a take of every row not taken that holds a card; after a draw, a placement on
// every row not taken that has room.
StepList LegalSteps(const Observation& table);
