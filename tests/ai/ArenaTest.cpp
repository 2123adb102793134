// SPDX-License-Identifier: GPL-3.0-or-later
// The arena's duplicate deals and its report, on a match short enough for the test suite.
#include "arena/Arena.h"

#include "arena/ArenaReport.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>

namespace {

TEST(Arena, EveryEntryPlaysEverySeatOfEveryDealOnce)
{
    for (int players = MIN_PLAYERS; players <= MAX_PLAYERS; ++players) {
        const std::vector<ArenaSeating> schedule = DuplicateSchedule(3, players);
        ASSERT_EQ(schedule.size(), static_cast<std::size_t>(3 * players));
        std::map<std::pair<int, int>, std::set<int>> seatsOf; // (deal, entry) -> seats
        for (const ArenaSeating& seating : schedule) {
            std::set<int> entries;
            for (int seat = 0; seat < players; ++seat) {
                const int entry = seating.entryAtSeat[static_cast<std::size_t>(seat)];
                entries.insert(entry);
                const bool firstTime = seatsOf[{seating.deal, entry}].insert(seat).second;
                EXPECT_TRUE(firstTime) << "entry " << entry << " sits at seat " << seat
                                       << " twice in deal " << seating.deal;
            }
            EXPECT_EQ(entries.size(), static_cast<std::size_t>(players)) << "one entry a seat";
        }
        for (const auto& [dealAndEntry, seats] : seatsOf) {
            EXPECT_EQ(seats.size(), static_cast<std::size_t>(players));
        }
    }
}

ArenaOptions SmallMatch(int threads)
{
    ArenaOptions options;
    options.lineup = {Level::Easy, Level::Random, Level::Normal};
    options.games = 12; // four deals, three seatings each
    options.seed = 42;
    options.threads = threads;
    return options;
}

TEST(Arena, PlaysEachDealOncePerSeatingWhateverTheThreads)
{
    const std::vector<ArenaGameRecord> records = RunArena(SmallMatch(3));
    ASSERT_EQ(records.size(), 12U);
    std::map<int, std::set<std::uint64_t>> decksOf;
    for (const ArenaGameRecord& record : records) {
        decksOf[record.seating.deal].insert(record.dealFingerprint);
        double shares = 0.0;
        for (std::size_t entry = 0; entry < 3; ++entry) {
            shares += record.winOfEntry[entry];
        }
        EXPECT_DOUBLE_EQ(shares, 1.0) << "a game's win, shared or not, counts once";
    }
    std::set<std::uint64_t> decks;
    for (const auto& [deal, prints] : decksOf) {
        EXPECT_EQ(prints.size(), 1U) << "deal " << deal << " was dealt differently";
        decks.insert(*prints.begin());
    }
    EXPECT_EQ(decks.size(), 4U) << "every deal is a deal of its own";

    // Threads only share out the games: one thread plays the very same match.
    const std::vector<ArenaGameRecord> alone = RunArena(SmallMatch(1));
    for (std::size_t game = 0; game < records.size(); ++game) {
        EXPECT_EQ(alone[game].scoreOfEntry, records[game].scoreOfEntry) << "game " << game;
    }
}

TEST(Arena, ReportsEveryLevelAsJson)
{
    const ArenaOptions options = SmallMatch(2);
    const std::vector<ArenaGameRecord> records = RunArena(options);
    const std::vector<LevelSummary> summaries = Summarise(options, records);
    const nlohmann::json report =
        nlohmann::json::parse(ArenaJson(options, summaries, static_cast<int>(records.size()), 1.5));

    EXPECT_EQ(report.at("games"), 12);
    EXPECT_EQ(report.at("deals"), 4);
    ASSERT_EQ(report.at("levels").size(), 3U);
    double wins = 0.0;
    for (const nlohmann::json& level : report.at("levels")) {
        EXPECT_EQ(level.at("games"), 12);
        const double rate = level.at("win_rate");
        EXPECT_LE(level.at("ci95")[0].get<double>(), rate);
        EXPECT_GE(level.at("ci95")[1].get<double>(), rate);
        wins += level.at("wins").get<double>();
    }
    EXPECT_DOUBLE_EQ(wins, 12.0);
    EXPECT_EQ(report.at("levels")[0].at("level"), "easy");
}

} // namespace
