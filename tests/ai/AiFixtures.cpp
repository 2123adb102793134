// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ai/AiFixtures.h"

#include "tests/support/GameFixtures.h"
#include "tests/support/RandomPlayer.h"

std::vector<GameRules> RandomTables(int count, unsigned seed)
{
    std::vector<GameRules> tables;
    RandomPlayer player(seed);
    for (int index = 0; index < count; ++index) {
        const int players = MIN_PLAYERS + index % (MAX_PLAYERS - MIN_PLAYERS + 1);
        GameRules rules;
        {
            FixedSeed fixed(seed + static_cast<unsigned>(index));
            rules.NewGame(players);
        }
        // Games last some 100 to 200 steps; stop somewhere in them, short of the end.
        const int steps = player.Below(200);
        for (int step = 0; step < steps; ++step) {
            GameRules before = rules;
            if (player.Step(rules) != 0) {
                rules = before;
                break;
            }
        }
        tables.push_back(rules);
    }
    return tables;
}

std::string Label(const GameRules& rules)
{
    return std::to_string(rules.m_numPlayers) + " players, " +
           std::to_string(rules.UndealtCount()) + " undealt, " +
           (rules.m_turnPhase == PHASE_PLACE ? "placing" : "choosing");
}
