// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/Arena.h"

#include "ai/PlayStep.h"
#include "ai/Rng.h"
#include "game/GameRules.h"
#include "game/ShuffleSeed.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

// The rules shuffle with the C library's one generator, which threads must not share.
std::mutex g_dealing;

void Deal(GameRules& rules, int players, unsigned seed)
{
    const std::lock_guard lock(g_dealing);
    SetFixedShuffleSeed(seed);
    rules.NewGame(players);
    SetFixedShuffleSeed(std::nullopt);
}

std::uint64_t Fingerprint(const GameRules& rules)
{
    std::uint64_t print = 0;
    for (const CardCode card : rules.m_deck) {
        print = MixSeed(print, static_cast<std::uint64_t>(card));
    }
    return print;
}

double Percentile(std::vector<std::int32_t>& micros, double fraction)
{
    if (micros.empty()) {
        return 0.0;
    }
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(micros.size())) - 1.0);
    const auto nth =
        micros.begin() + static_cast<std::ptrdiff_t>(std::min(rank, micros.size() - 1));
    std::nth_element(micros.begin(), nth, micros.end());
    return *nth / 1000.0;
}

} // namespace

std::vector<ArenaSeating> DuplicateSchedule(int deals, int players)
{
    std::vector<ArenaSeating> schedule;
    for (int deal = 0; deal < deals; ++deal) {
        for (int rotation = 0; rotation < players; ++rotation) {
            ArenaSeating seating{deal, rotation, {}};
            for (int seat = 0; seat < players; ++seat) {
                seating.entryAtSeat[static_cast<std::size_t>(seat)] = (seat + rotation) % players;
            }
            schedule.push_back(seating);
        }
    }
    return schedule;
}

ArenaGameRecord PlayArenaGame(const ArenaOptions& options, const ArenaSeating& seating)
{
    const int players = static_cast<int>(options.lineup.size());
    GameRules rules;
    Deal(rules, players,
         static_cast<unsigned>(options.seed + static_cast<std::uint64_t>(seating.deal)));

    ArenaGameRecord record;
    record.seating = seating;
    record.dealFingerprint = Fingerprint(rules);
    const std::uint64_t gameSeed =
        MixSeed(MixSeed(options.seed, static_cast<std::uint64_t>(seating.deal)),
                static_cast<std::uint64_t>(seating.rotation));

    // A game takes well under a thousand steps; more means a player that cannot finish.
    constexpr int MORE_STEPS_THAN_ANY_GAME = 2000;
    for (int steps = 0; !rules.m_gameOver; ++steps) {
        if (steps == MORE_STEPS_THAN_ANY_GAME) {
            throw std::logic_error("a game of the arena never ended");
        }
        const Observation table = Observe(rules);
        const int entry = seating.entryAtSeat[static_cast<std::size_t>(table.currentPlayer)];
        const Level level = options.lineup[static_cast<std::size_t>(entry)];
        const std::uint64_t seed =
            StepSeed(MixSeed(gameSeed, static_cast<std::uint64_t>(entry)), table);

        const auto start = std::chrono::steady_clock::now();
        const Step step = ChooseStep(level, table, seed, options.budget);
        const auto took = std::chrono::steady_clock::now() - start;
        if (LegalSteps(table).count > 1) {
            record.thinkMicros[static_cast<std::size_t>(entry)].push_back(static_cast<std::int32_t>(
                std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
        }
        if (PlayStep(rules, step) < 0) {
            throw std::logic_error("a computer player chose a step the rules refuse: " +
                                   Describe(step));
        }
    }

    const std::vector<int> scores = rules.AllScores();
    const std::vector<int> winners = rules.PlayersWithScore(rules.MaxScore(scores));
    for (int seat = 0; seat < players; ++seat) {
        const auto entry =
            static_cast<std::size_t>(seating.entryAtSeat[static_cast<std::size_t>(seat)]);
        record.scoreOfEntry[entry] = scores[static_cast<std::size_t>(seat)];
        if (std::find(winners.begin(), winners.end(), seat + 1) != winners.end()) {
            record.winOfEntry[entry] = 1.0 / static_cast<double>(winners.size());
        }
    }
    return record;
}

std::vector<ArenaGameRecord> RunArena(const ArenaOptions& options)
{
    const int players = static_cast<int>(options.lineup.size());
    const int deals = std::max(1, (options.games + players - 1) / players);
    const std::vector<ArenaSeating> schedule = DuplicateSchedule(deals, players);
    std::vector<ArenaGameRecord> records(schedule.size());

    // A pool of workers that take the next game off the schedule until none is left.
    std::atomic<std::size_t> next{0};
    std::mutex failing;
    std::exception_ptr failure;
    const auto work = [&] {
        try {
            for (std::size_t game = next++; game < schedule.size(); game = next++) {
                records[game] = PlayArenaGame(options, schedule[game]);
            }
        } catch (...) {
            const std::lock_guard lock(failing);
            failure = std::current_exception();
            next = schedule.size();
        }
    };
    std::vector<std::jthread> workers;
    for (int thread = 1; thread < std::max(1, options.threads); ++thread) {
        workers.emplace_back(work);
    }
    work();
    workers.clear(); // joins
    if (failure) {
        std::rethrow_exception(failure);
    }
    return records;
}

namespace {

// The best score in `record` of any entry but `entry`, the one a win is measured against.
int BestOtherScore(const ArenaGameRecord& record, std::size_t entry, std::size_t players)
{
    int bestOther = INT32_MIN;
    for (std::size_t other = 0; other < players; ++other) {
        if (other != entry) {
            bestOther = std::max(bestOther, record.scoreOfEntry[other]);
        }
    }
    return bestOther;
}

} // namespace

std::vector<LevelSummary> Summarise(const ArenaOptions& options,
                                    const std::vector<ArenaGameRecord>& records)
{
    const auto players = options.lineup.size();
    std::vector<LevelSummary> summaries;
    for (const Level level : options.lineup) {
        if (std::any_of(summaries.begin(), summaries.end(),
                        [level](const LevelSummary& summary) { return summary.level == level; })) {
            continue;
        }
        LevelSummary summary;
        summary.level = level;
        std::map<int, std::pair<double, int>> byDeal; // wins and games of each deal
        double scores = 0.0;
        double margins = 0.0;
        std::vector<std::int32_t> micros;
        for (const ArenaGameRecord& record : records) {
            for (std::size_t entry = 0; entry < players; ++entry) {
                if (options.lineup[entry] != level) {
                    continue;
                }
                const int bestOther = BestOtherScore(record, entry, players);
                ++summary.games;
                summary.wins += record.winOfEntry[entry];
                scores += record.scoreOfEntry[entry];
                margins += record.scoreOfEntry[entry] - bestOther;
                auto& deal = byDeal[record.seating.deal];
                deal.first += record.winOfEntry[entry];
                ++deal.second;
                micros.insert(micros.end(), record.thinkMicros[entry].begin(),
                              record.thinkMicros[entry].end());
            }
        }
        if (summary.games > 0) {
            summary.winRate = summary.wins / summary.games;
            summary.meanScore = scores / summary.games;
            summary.meanMargin = margins / summary.games;
        }
        // The games of one deal are not independent (that is their point), so the interval
        // treats each deal's mean as one sample.
        const auto deals = static_cast<double>(byDeal.size());
        double spread = 0.0;
        for (const auto& [deal, tally] : byDeal) {
            const double rate = tally.first / tally.second;
            spread += (rate - summary.winRate) * (rate - summary.winRate);
        }
        const double halfWidth =
            deals > 1.0 ? 1.96 * std::sqrt(spread / (deals - 1.0) / deals) : 1.0;
        summary.low = std::max(0.0, summary.winRate - halfWidth);
        summary.high = std::min(1.0, summary.winRate + halfWidth);
        summary.timedSteps = static_cast<std::int64_t>(micros.size());
        summary.thinkP50Ms = Percentile(micros, 0.50);
        summary.thinkP99Ms = Percentile(micros, 0.99);
        summaries.push_back(summary);
    }
    return summaries;
}
