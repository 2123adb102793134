// SPDX-License-Identifier: GPL-3.0-or-later
// A match's results as people read them and as scripts read them.
#pragma once

#include "arena/Arena.h"

#include <string>

// A table of every level's games, wins, win rate with its 95% interval, mean score and margin
// and thinking time.
std::string ArenaTable(const ArenaOptions& options, const std::vector<LevelSummary>& summaries,
                       int games, double seconds);

// The same as one JSON object.
std::string ArenaJson(const ArenaOptions& options, const std::vector<LevelSummary>& summaries,
                      int games, double seconds);
