// SPDX-License-Identifier: GPL-3.0-or-later
#include "arena/ArenaReport.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace {

std::string LineupText(const ArenaOptions& options)
{
    std::string text;
    for (const Level level : options.lineup) {
        text += (text.empty() ? "" : ",") + std::string(LevelName(level));
    }
    return text;
}

} // namespace

std::string ArenaTable(const ArenaOptions& options, const std::vector<LevelSummary>& summaries,
                       int games, double seconds)
{
    std::string text;
    char line[256];
    // The line is far shorter than the buffer; a longer one would only be cut.
    (void)std::snprintf(line, sizeof line,
                        "%d games (%zu deals x %zu seatings) of %s, seed %llu, %d hard iterations, "
                        "%.1f s\n",
                        games, static_cast<std::size_t>(games) / options.lineup.size(),
                        options.lineup.size(), LineupText(options).c_str(),
                        static_cast<unsigned long long>(options.seed), options.budget.iterations,
                        seconds);
    text += line;
    text += "level    games     wins  win rate  95% interval     mean score  mean margin  "
            "think p50   p99 (ms)\n";
    for (const LevelSummary& summary : summaries) {
        (void)std::snprintf(
            line, sizeof line,
            "%-7s %6d %8.1f   %5.1f%%  [%5.1f%%, %5.1f%%]  %10.2f  %11.2f  %9.3f %7.3f\n",
            std::string(LevelName(summary.level)).c_str(), summary.games, summary.wins,
            100.0 * summary.winRate, 100.0 * summary.low, 100.0 * summary.high, summary.meanScore,
            summary.meanMargin, summary.thinkP50Ms, summary.thinkP99Ms);
        text += line;
    }
    return text;
}

std::string ArenaJson(const ArenaOptions& options, const std::vector<LevelSummary>& summaries,
                      int games, double seconds)
{
    nlohmann::json levels = nlohmann::json::array();
    for (const LevelSummary& summary : summaries) {
        levels.push_back({
            {"level", LevelName(summary.level)},
            {"games", summary.games},
            {"wins", summary.wins},
            {"win_rate", summary.winRate},
            {"ci95", {summary.low, summary.high}},
            {"mean_score", summary.meanScore},
            {"mean_margin", summary.meanMargin},
            {"timed_steps", summary.timedSteps},
            {"think_ms_p50", summary.thinkP50Ms},
            {"think_ms_p99", summary.thinkP99Ms},
        });
    }
    nlohmann::json lineup = nlohmann::json::array();
    for (const Level level : options.lineup) {
        lineup.push_back(LevelName(level));
    }
    const nlohmann::json report{
        {"players", lineup},
        {"games", games},
        {"deals", games / static_cast<int>(options.lineup.size())},
        {"seed", options.seed},
        {"threads", options.threads},
        {"hard_iterations", options.budget.iterations},
        {"seconds", seconds},
        {"levels", levels},
    };
    return report.dump(2) + "\n";
}
