// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a uniformly random legal step.
#include "ai/Policies.h"

Step RandomStep(const SimGame& game, Rng& rng)
{
    const StepList legal = game.Legal();
    return legal.steps[static_cast<std::size_t>(rng.Below(legal.count))];
}
