// SPDX-License-Identifier: GPL-3.0-or-later
// zintra_arena: plays computer players against each other on duplicate deals, headless, and
// reports how each level fared.
#include "arena/Arena.h"
#include "arena/ArenaReport.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace {

constexpr const char* USAGE =
    "Usage: zintra_arena [--players LEVELS] [--games N] [--seed N] [--threads N]\n"
    "                    [--iterations N] [--json]\n"
    "Plays computer players against each other on duplicate deals: every deal once per\n"
    "rotation of the players round the table.\n"
    "  --players LEVELS  2 to 5 levels, comma-separated, one per seat, from random, easy,\n"
    "                    normal and hard (default hard,normal)\n"
    "  --games N         games to play, rounded up to whole deals (default 100)\n"
    "  --seed N          deal d is the game's deal for seed N + d; the players' choices are\n"
    "                    seeded from N too (default 1)\n"
    "  --threads N       games played at once (default: the processors)\n"
    "  --iterations N    the hard level's search iterations per step (default %d)\n"
    "  --json            print the results as JSON\n";

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<Level>> ParseLineup(std::string_view text)
{
    std::vector<Level> lineup;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<Level> level = ParseLevel(text.substr(0, comma));
        if (!level) {
            return std::nullopt;
        }
        lineup.push_back(*level);
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (lineup.size() < MIN_PLAYERS || lineup.size() > MAX_PLAYERS) {
        return std::nullopt;
    }
    return lineup;
}

// Sets the option `argument` of `options` from `value`: true when the value is good, false when
// it is not, nothing when there is no such option.
std::optional<bool> ApplyOption(std::string_view argument, std::string_view value,
                                ArenaOptions& options)
{
    if (argument == "--players") {
        const auto lineup = ParseLineup(value);
        if (lineup) {
            options.lineup = *lineup;
        }
        return lineup.has_value();
    }
    if (argument == "--games") {
        const auto games = ParseNumber<int>(value);
        options.games = games.value_or(0);
        return games && *games > 0;
    }
    if (argument == "--seed") {
        const auto seed = ParseNumber<std::uint64_t>(value);
        options.seed = seed.value_or(0);
        return seed.has_value();
    }
    if (argument == "--threads") {
        const auto threads = ParseNumber<int>(value);
        options.threads = threads.value_or(1);
        return threads && *threads > 0;
    }
    if (argument == "--iterations") {
        const auto iterations = ParseNumber<int>(value);
        options.budget.iterations = iterations.value_or(1);
        return iterations && *iterations > 0;
    }
    return std::nullopt;
}

int Usage(std::FILE* stream, int status)
{
    // Nothing more can be said when the usage cannot be written.
    (void)std::fprintf(stream, USAGE, SearchBudget::DEFAULT_ITERATIONS);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    ArenaOptions options;
    options.lineup = {Level::Hard, Level::Normal};
    options.threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    bool json = false;

    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--help" || argument == "-h") {
            return Usage(stdout, 0);
        }
        if (argument == "--json") {
            json = true;
            continue;
        }
        if (index + 1 >= argc) {
            (void)std::fprintf(stderr, "zintra_arena: %s needs a value\n", argv[index]);
            return Usage(stderr, 2);
        }
        const std::string_view value = argv[++index];
        const std::optional<bool> good = ApplyOption(argument, value, options);
        if (!good) {
            (void)std::fprintf(stderr, "zintra_arena: unknown option %s\n", argv[index - 1]);
            return Usage(stderr, 2);
        }
        if (!*good) {
            (void)std::fprintf(stderr, "zintra_arena: bad value for %s: %s\n", argv[index - 1],
                               argv[index]);
            return Usage(stderr, 2);
        }
    }

    try {
        const auto start = std::chrono::steady_clock::now();
        const std::vector<ArenaGameRecord> records = RunArena(options);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::vector<LevelSummary> summaries = Summarise(options, records);
        const int games = static_cast<int>(records.size());
        const std::string report = json ? ArenaJson(options, summaries, games, seconds)
                                        : ArenaTable(options, summaries, games, seconds);
        // A report that cannot be written is a failed run, not a quiet one.
        if (std::fputs(report.c_str(), stdout) == EOF || std::fflush(stdout) == EOF) {
            (void)std::fprintf(stderr, "zintra_arena: the report could not be written\n");
            return 1;
        }
    } catch (const std::exception& error) {
        (void)std::fprintf(stderr, "zintra_arena: %s\n", error.what());
        return 1;
    }
    return 0;
}
