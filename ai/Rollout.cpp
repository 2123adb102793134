// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/Rollout.h"

void PlayOut(SimGame& game, Rng& rng)
{
    while (!game.over) {
        const StepList legal = game.Legal();
        game.Play(legal.steps[static_cast<std::size_t>(rng.Below(legal.count))]);
    }
}
