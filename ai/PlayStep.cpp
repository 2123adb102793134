// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/PlayStep.h"

#include "game/GameRules.h"

int PlayStep(GameRules& rules, Step step)
{
    if (rules.m_gameOver) {
        return -1;
    }
    const bool choosing = rules.m_turnPhase == PHASE_CHOOSE;
    switch (step.kind) {
    case StepKind::Draw:
        if (!choosing || !rules.CanMove(MOVE_PLACE)) {
            return -1;
        }
        rules.m_turnPhase = PHASE_PLACE;
        return 0;
    case StepKind::Take:
        if (!choosing || !rules.CanMoveOnRow(step.row, MOVE_TAKE)) {
            return -1;
        }
        break;
    case StepKind::Place:
        if (choosing || !rules.CanMoveOnRow(step.row, MOVE_PLACE)) {
            return -1;
        }
        break;
    }
    const int result =
        rules.ApplyMove(step.kind == StepKind::Take ? MOVE_TAKE : MOVE_PLACE, step.row);
    rules.m_turnPhase = PHASE_CHOOSE;
    if (result == 1) {
        rules.m_gameOver = true;
    }
    return result;
}
