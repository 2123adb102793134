// SPDX-License-Identifier: GPL-3.0-or-later
// How well a computer player plays, and the names the levels go by on a command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum class Level : std::uint8_t {
    Random, // any legal step, uniformly: a yardstick, not an opponent
    Easy,   // a simple rule of thumb, with slips
    Normal, // the best step one move ahead, averaged over the card a draw may bring
    Hard,   // a search of many possible futures of the game
};

// "random", "easy", "normal" or "hard".
std::string_view LevelName(Level level);
// The level of that name, or nothing for any other text.
std::optional<Level> ParseLevel(std::string_view name);
