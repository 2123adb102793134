// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/ComputerPlayer.h"

#include "ai/Policies.h"
#include "ai/Search.h"

Step ChooseStep(Level level, const Observation& table, std::uint64_t seed,
                const SearchBudget& budget)
{
    Rng rng(seed);
    switch (level) {
    case Level::Random:
        return RandomStep(SimGame::FromObservation(table), rng);
    case Level::Easy:
        return EasyStep(SimGame::FromObservation(table), rng);
    case Level::Normal:
        return NormalStep(SimGame::FromObservation(table), table.unseen);
    case Level::Hard:
        return SearchStep(table, rng, budget);
    }
    return RandomStep(SimGame::FromObservation(table), rng);
}

std::uint64_t StepSeed(std::uint64_t gameSeed, const Observation& table)
{
    std::uint64_t seed = MixSeed(gameSeed, static_cast<std::uint64_t>(table.numPlayers));
    const auto mix = [&seed](std::int64_t value) {
        seed = MixSeed(seed, static_cast<std::uint64_t>(value));
    };
    mix(table.currentPlayer);
    mix(table.phase);
    mix(table.drawnCard);
    mix(table.undealt);
    for (int seat = 0; seat < table.numPlayers; ++seat) {
        const PlayerState& player = table.players[static_cast<std::size_t>(seat)];
        mix(player.tookRow ? 1 : 0);
        for (const std::int32_t count : player.colourCount) {
            mix(count);
        }
        mix(player.wildCount);
        mix(player.bonusCount);
        const RowState& row = table.rows[static_cast<std::size_t>(seat)];
        mix(row.taken ? 1 : 0);
        for (const CardCode card : row.slots) {
            mix(card);
        }
    }
    return seed;
}
