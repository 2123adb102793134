// SPDX-License-Identifier: GPL-3.0-or-later
// The ways the levels below the search choose a step, on the compact game.
#pragma once

#include "ai/Rng.h"
#include "ai/SimGame.h"

// Any legal step, each as likely.
Step RandomStep(const SimGame& game, Rng& rng);

// A beginner's rule of thumb: take a row as soon as it is worth a few points to you, put a
// drawn card where you would like to find it; and now and then a step at random.
Step EasyStep(const SimGame& game, Rng& rng);

// One move ahead: every step is worth what it adds to the player's own score (at once for a
// take, later for a row the player may still take) less the best that it leaves to another
// player in the round; a draw is worth that averaged over the unseen cards it may turn up.
// Ties go to the first step in LegalSteps order, so it needs no random numbers.
Step NormalStep(const SimGame& game, const Collection& unseen);
