// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the engine plays: whole random games, set-up included, and final scoring.
#include "game/GameRules.h"
#include "tests/support/GameFixtures.h"
#include "tests/support/RandomPlayer.h"

#include <benchmark/benchmark.h>

namespace {

// One full game per iteration: NewGame (deal and shuffle) through the final take.
void BM_RandomGame(benchmark::State& state)
{
    const int players = static_cast<int>(state.range(0));
    GameRules doc;
    RandomPlayer player(0x5EED);
    unsigned seed = 0;
    std::int64_t steps = 0;
    for (auto _ : state) {
        FixedSeed fixed(seed++);
        doc.NewGame(players);
        steps += player.PlayToEnd(doc);
        benchmark::DoNotOptimize(doc.m_players.data());
    }
    state.SetItemsProcessed(state.iterations()); // reported as games per second
    state.counters["steps/game"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RandomGame)->Arg(2)->Arg(5);

// Set-up alone: players, rows, deck fill and the C library's seeding and 75 draws.
void BM_NewGame(benchmark::State& state)
{
    GameRules doc;
    FixedSeed fixed(1);
    for (auto _ : state) {
        doc.NewGame(5);
        benchmark::DoNotOptimize(doc.m_deck.data());
    }
}
BENCHMARK(BM_NewGame);

// PlayerScore on the collections that finished games leave, cycling through many of them.
void BM_PlayerScore(benchmark::State& state)
{
    constexpr int kGames = 64;
    std::vector<GameRules> finished(kGames);
    RandomPlayer player(7);
    for (int game = 0; game < kGames; ++game) {
        FixedSeed fixed(static_cast<unsigned>(game));
        finished[static_cast<std::size_t>(game)].NewGame(5);
        player.PlayToEnd(finished[static_cast<std::size_t>(game)]);
    }
    std::size_t call = 0;
    for (auto _ : state) {
        const GameRules& doc = finished[call / 5 % kGames];
        benchmark::DoNotOptimize(doc.PlayerScore(static_cast<int>(call % 5)));
        ++call;
    }
}
BENCHMARK(BM_PlayerScore);

} // namespace
