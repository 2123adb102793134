// SPDX-License-Identifier: GPL-3.0-or-later
// Carries a step out on the rules the way the board does for a person: a draw only turns the
// phase over, a take or a placement is a move that hands the turn on.
#pragma once

#include "ai/Step.h"

class GameRules;

// Plays `step` for the current player if the rules allow it now, keeping m_turnPhase and
// m_gameOver as the board keeps them. Returns 1 when the step ended the game, 0 when play goes
// on, and -1 (changing nothing) when the step is not allowed.
int PlayStep(GameRules& rules, Step step);
