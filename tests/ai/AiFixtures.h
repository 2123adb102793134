// SPDX-License-Identifier: GPL-3.0-or-later
// Positions for the computer players' tests: states reached by random play, for every number
// of players and both phases of a turn.
#pragma once

#include "ai/ComputerPlayer.h"
#include "game/GameRules.h"

#include <string>
#include <vector>

// A small search budget, so that tests of the hard level's contract run quickly; its choices
// are judged elsewhere at the real budget.
inline constexpr SearchBudget QUICK_SEARCH{100, std::chrono::milliseconds{60000}};

// Games in progress: deal `seed + i` for 2, 3, 4 or 5 players in turn, played at random for a
// random number of steps (the game never over), many of them in the middle of a turn with a
// card drawn.
std::vector<GameRules> RandomTables(int count, unsigned seed);

// "3 players, 41 undealt, placing" and the like, to tell a failing table apart.
std::string Label(const GameRules& rules);
