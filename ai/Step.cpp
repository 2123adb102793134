// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/Step.h"

#include "ai/SimGame.h"

std::string Describe(Step step)
{
    switch (step.kind) {
    case StepKind::Draw:
        return "draw";
    case StepKind::Take:
        return "take row " + std::to_string(step.row + 1);
    case StepKind::Place:
        return "place on row " + std::to_string(step.row + 1);
    }
    return "?";
}

StepList LegalSteps(const Observation& table)
{
    return SimGame::FromObservation(table).Legal();
}
