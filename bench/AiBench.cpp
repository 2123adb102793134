// SPDX-License-Identifier: GPL-3.0-or-later
// How long the computer players think: a hard step at its default budget (with the 50th and
// 99th percentiles over many positions), a normal step, and the search's quick playouts.
#include "ai/ComputerPlayer.h"
#include "ai/PlayStep.h"
#include "ai/Rollout.h"
#include "game/GameRules.h"
#include "tests/support/GameFixtures.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// Tables where a choice is to be made, from games between normal players: every step of
// `games` games for `players` players.
std::vector<Observation> Positions(int players, int games)
{
    std::vector<Observation> tables;
    for (int game = 0; game < games; ++game) {
        GameRules rules;
        {
            FixedSeed fixed(static_cast<unsigned>(1000 + game));
            rules.NewGame(players);
        }
        while (!rules.m_gameOver) {
            const Observation table = Observe(rules);
            if (LegalSteps(table).count > 1) {
                tables.push_back(table);
            }
            PlayStep(rules, ChooseStep(Level::Normal, table, 0));
        }
    }
    return tables;
}

double Percentile(std::vector<double> times, double fraction)
{
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(times.size() - 1));
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(rank), times.end());
    return times[rank];
}

// One step per iteration, through positions of whole games in turn.
void StepsOf(benchmark::State& state, Level level)
{
    const std::vector<Observation> tables = Positions(static_cast<int>(state.range(0)), 8);
    std::vector<double> millis;
    std::size_t next = 0;
    for (auto _ : state) {
        const Observation& table = tables[next++ % tables.size()];
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ChooseStep(level, table, next));
        millis.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    state.counters["p50_ms"] = Percentile(millis, 0.50);
    state.counters["p99_ms"] = Percentile(millis, 0.99);
    state.counters["positions"] = static_cast<double>(tables.size());
}

void BM_HardStep(benchmark::State& state)
{
    StepsOf(state, Level::Hard);
}
BENCHMARK(BM_HardStep)->Arg(2)->Arg(5)->Unit(benchmark::kMillisecond)->MinTime(5.0);

void BM_NormalStep(benchmark::State& state)
{
    StepsOf(state, Level::Normal);
}
BENCHMARK(BM_NormalStep)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);

// The search's playout of a whole game from a fresh deal.
void BM_Playout(benchmark::State& state)
{
    GameRules rules;
    {
        FixedSeed fixed(1);
        rules.NewGame(static_cast<int>(state.range(0)));
    }
    const SimGame start = SimGame::FromObservation(Observe(rules));
    Rng rng(1);
    for (auto _ : state) {
        SimGame game = start;
        game.Deal(rng);
        PlayOut(game, rng);
        benchmark::DoNotOptimize(game.collections.data());
    }
    state.SetItemsProcessed(state.iterations()); // reported as playouts per second
}
BENCHMARK(BM_Playout)->Arg(2)->Arg(5)->Unit(benchmark::kMicrosecond);

} // namespace
