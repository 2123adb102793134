// SPDX-License-Identifier: GPL-3.0-or-later
// What holds of a game between any two moves, whatever was played, for tests that play
// many games at random.
#pragma once

#include "game/GameRules.h"

#include <string>

// Empty when every invariant of a game under way or just ended holds, else the first one
// that is broken, in words.
std::string BrokenInvariant(const GameRules& doc);
