// SPDX-License-Identifier: GPL-3.0-or-later
// The easy level: greedy for itself only, blind to what it hands the others, and careless.
#include "ai/Gains.h"
#include "ai/Policies.h"

namespace {

constexpr double SLIP_CHANCE = 0.25; // a step at random, as a beginner errs
// Points that make a row worth taking at once: a little while others may still take it, any
// gain at all once the player is alone in the round.
constexpr int WORTH_TAKING = 2;
constexpr int WORTH_ALONE = 1;

} // namespace

Step EasyStep(const SimGame& game, Rng& rng)
{
    if (rng.Unit() < SLIP_CHANCE) {
        return RandomStep(game, rng);
    }
    const Gains gains(game);
    const int me = game.current;
    Step best{};
    int bestValue = 0;
    bool found = false;
    for (int row = 0; row < game.players; ++row) {
        const bool open = game.placing ? game.CanPlace(row) : game.CanTake(row);
        if (!open) {
            continue;
        }
        // A placement is judged by how much better the row gets for the player, a take by
        // what it brings.
        const int value = game.placing
                              ? gains.OfRowWith(me, row, game.TopCard()) - gains.OfRow(me, row)
                              : gains.OfRow(me, row);
        if (!found || value > bestValue) {
            best = {game.placing ? StepKind::Place : StepKind::Take, row};
            bestValue = value;
            found = true;
        }
    }
    if (game.placing) {
        return best;
    }
    const bool fullRow = found && game.rowLength[static_cast<std::size_t>(best.row)] == ROW_SLOTS;
    const int worth = OthersInRound(game) == 0 ? WORTH_ALONE : WORTH_TAKING;
    if (game.CanDraw() && (!found || (bestValue < worth && !(fullRow && bestValue > 0)))) {
        return {StepKind::Draw, -1};
    }
    return best;
}
