// SPDX-License-Identifier: GPL-3.0-or-later
// Matches between computer players on duplicate deals: every deal is played once per rotation
// of the players round the table, so that each player meets each seat of each deal once and
// the luck of the deck cancels out.
#pragma once

#include "ai/ComputerPlayer.h"

#include <array>
#include <cstdint>
#include <vector>

struct ArenaOptions {
    std::vector<Level> lineup; // one level per seat, 2 to 5 of them
    int games = 100;           // rounded up to whole deals (a game per rotation)
    std::uint64_t seed = 1;    // deal d is the game's own deal for seed + d
    int threads = 1;
    SearchBudget budget; // for the hard players
};

// One game of the match: which deal, and which lineup entry sits where.
struct ArenaSeating {
    int deal = 0;
    int rotation = 0;
    // seat s is played by lineup entry (s + rotation) mod players.
    std::array<int, MAX_PLAYERS> entryAtSeat{};
};

// The games of a match over `deals` deals for `players` players, deal by deal, each deal once
// per rotation.
std::vector<ArenaSeating> DuplicateSchedule(int deals, int players);

// What one game left.
struct ArenaGameRecord {
    ArenaSeating seating;
    std::array<int, MAX_PLAYERS> scoreOfEntry{};  // by lineup entry
    std::array<double, MAX_PLAYERS> winOfEntry{}; // 1, a share of a tie, or 0
    std::uint64_t dealFingerprint = 0;            // the same for every game of one deal
    // How long each lineup entry took for its steps that had a choice, in microseconds.
    std::array<std::vector<std::int32_t>, MAX_PLAYERS> thinkMicros;
};

// Plays one game of the match to its end.
ArenaGameRecord PlayArenaGame(const ArenaOptions& options, const ArenaSeating& seating);

// Plays every game of the match, on options.threads threads; the records come in schedule
// order whatever the threads did.
std::vector<ArenaGameRecord> RunArena(const ArenaOptions& options);

// One level's showing over a match (its entries pooled when it sits at several seats).
struct LevelSummary {
    Level level = Level::Random;
    int games = 0;     // games played by an entry of this level
    double wins = 0.0; // a tie's win counted as a share
    double winRate = 0.0;
    double low = 0.0; // 95% confidence interval of the win rate, with the deal as the unit
    double high = 0.0;
    double meanScore = 0.0;
    double meanMargin = 0.0; // score less the best other score at the table
    std::int64_t timedSteps = 0;
    double thinkP50Ms = 0.0;
    double thinkP99Ms = 0.0;
};

std::vector<LevelSummary> Summarise(const ArenaOptions& options,
                                    const std::vector<ArenaGameRecord>& records);
