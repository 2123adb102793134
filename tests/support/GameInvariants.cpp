// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameInvariants.h"

#include "tests/support/GameFixtures.h"

#include <algorithm>

std::string BrokenInvariant(const GameRules& doc)
{
    const auto seats = static_cast<std::size_t>(doc.m_numPlayers);
    if (doc.m_players.size() != seats || doc.m_rows.size() != seats) {
        return "one player record and one row per player";
    }
    if (doc.UndealtCount() < 2) {
        return "at least two cards stay undealt";
    }
    if (TallyGame(doc) != FullDeckTally()) {
        return "every card is collected, on an open row, or undealt";
    }
    const auto openRows = std::count_if(doc.m_rows.begin(), doc.m_rows.end(),
                                        [](const RowState& r) { return !r.taken; });
    const auto playersIn = std::count_if(doc.m_players.begin(), doc.m_players.end(),
                                         [](const PlayerState& p) { return !p.tookRow; });
    if (openRows != playersIn) {
        return "as many open rows as players still in the round";
    }
    for (const RowState& row : doc.m_rows) {
        const auto cards =
            std::find(row.slots.begin(), row.slots.end(), CARD_EMPTY) - row.slots.begin();
        if (std::any_of(row.slots.begin() + cards, row.slots.end(),
                        [](CardCode c) { return c != CARD_EMPTY; })) {
            return "slots fill from the first without gaps";
        }
        if (row.full != (cards == ROW_SLOTS)) {
            return "a row is full exactly when its third slot holds a card";
        }
    }
    if (!doc.m_gameOver) {
        if (doc.m_currentPlayer < 0 || doc.m_currentPlayer >= doc.m_numPlayers) {
            return "the current player has a seat";
        }
        if (doc.m_players[static_cast<std::size_t>(doc.m_currentPlayer)].tookRow) {
            return "the current player is still in the round";
        }
        if (!doc.CanMove(MOVE_PLACE) && !doc.CanMove(MOVE_TAKE)) {
            return "the current player always has a move";
        }
    }
    return {};
}
