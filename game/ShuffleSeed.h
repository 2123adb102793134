// SPDX-License-Identifier: GPL-3.0-or-later
// Where each new game's shuffle seed comes from: the calendar clock, unless the program has
// fixed it (for instance from the command line) so that every deal of the run can be repeated.
#pragma once

#include <optional>

// While a seed is set, every new game is shuffled from it; std::nullopt goes back to the clock.
void SetFixedShuffleSeed(std::optional<unsigned> seed);

// The seed for the next shuffle: the fixed one, or the current calendar time in seconds.
unsigned NextShuffleSeed();
