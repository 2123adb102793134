// SPDX-License-Identifier: GPL-3.0-or-later
// A computer player: given what the table shows and a seed, the next step of its turn.
#pragma once

#include "ai/Level.h"
#include "ai/Observation.h"
#include "ai/Step.h"

#include <chrono>
#include <cstdint>

// How long the hard level may think about one step. The iterations decide (so that a seed
// always gives the same step); the time cap only stops a search that runs far slower than it
// should (a loaded or instrumented build), at the price of that step's reproducibility.
struct SearchBudget {
    static constexpr int DEFAULT_ITERATIONS = 1000;

    int iterations = DEFAULT_ITERATIONS;
    std::chrono::milliseconds timeCap{1000};
};

// The step that a player of `level` takes at `table`, for the seat to move; the step is always
// one of LegalSteps(table). The same table, level, seed and budget always give the same step.
// The game must not be over (there is then no step to take).
Step ChooseStep(Level level, const Observation& table, std::uint64_t seed,
                const SearchBudget& budget = {});

// A seed for one step of a game: the game's seed mixed with everything the table shows. A game
// whose deal and seed are repeated repeats every computer's step with it.
std::uint64_t StepSeed(std::uint64_t gameSeed, const Observation& table);
