// SPDX-License-Identifier: GPL-3.0-or-later
// A collection as the computer players count it: how many cards of each code 0..8 a player
// holds, and its final score computed straight from those counts.
#pragma once

#include "game/GameTypes.h"

#include <array>
#include <cstdint>

// Card codes that a deck holds: the seven colours, the wild card and the "+2".
inline constexpr int CARD_KINDS = CARD_BONUS + 1;

// Cards per code; small enough (at most 10 of a code) to copy freely during a search.
using Collection = std::array<std::uint8_t, CARD_KINDS>;

// The player's counts in that form.
Collection CollectionOf(const PlayerState& player);

// The final score of a collection: the three largest colours (topped up by the wild cards, to
// six each at most) count positively, the other four negatively, and every "+2" adds 2. The
// same rule as the game's own scoring, without a game around it.
int ScoreCollection(const Collection& collection);
