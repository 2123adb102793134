// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/Observation.h"

#include "game/GameRules.h"

#include <algorithm>

Collection UnseenCards(const Observation& table)
{
    std::array<int, CARD_KINDS> unseen{};
    for (int colour = 0; colour < NUM_COLOURS; ++colour) {
        unseen[static_cast<std::size_t>(colour)] = CARDS_PER_COLOUR;
    }
    unseen[CARD_WILD] = NUM_WILD_CARDS;
    unseen[CARD_BONUS] = NUM_BONUS_CARDS;

    const auto seen = [&unseen](CardCode card, int count) {
        if (card >= 0 && card < CARD_KINDS) {
            unseen[static_cast<std::size_t>(card)] -= count;
        }
    };
    for (int seat = 0; seat < table.numPlayers; ++seat) {
        const PlayerState& player = table.players[static_cast<std::size_t>(seat)];
        for (int colour = 0; colour < NUM_COLOURS; ++colour) {
            seen(colour, player.colourCount[static_cast<std::size_t>(colour)]);
        }
        seen(CARD_WILD, player.wildCount);
        seen(CARD_BONUS, player.bonusCount);
        const RowState& row = table.rows[static_cast<std::size_t>(seat)];
        if (!row.taken) {
            for (const CardCode card : row.slots) {
                seen(card, 1);
            }
        }
    }
    if (table.phase == PHASE_PLACE) {
        seen(table.drawnCard, 1);
    }

    Collection counts{};
    for (int code = 0; code < CARD_KINDS; ++code) {
        counts[static_cast<std::size_t>(code)] =
            static_cast<std::uint8_t>(std::max(unseen[static_cast<std::size_t>(code)], 0));
    }
    return counts;
}

Observation Observe(const GameRules& rules)
{
    Observation table;
    table.numPlayers = std::clamp(rules.m_numPlayers, MIN_PLAYERS, MAX_PLAYERS);
    table.currentPlayer = rules.m_currentPlayer;
    table.phase = rules.m_turnPhase;
    table.undealt = rules.UndealtCount();
    // Only a drawn card is face up; the rest of the deck is counted, never copied.
    if (table.phase == PHASE_PLACE && table.undealt > 0) {
        table.drawnCard = *rules.m_deckTop;
    }
    const auto seats = std::min(static_cast<std::size_t>(table.numPlayers),
                                std::min(rules.m_players.size(), rules.m_rows.size()));
    std::copy_n(rules.m_players.begin(), seats, table.players.begin());
    std::copy_n(rules.m_rows.begin(), seats, table.rows.begin());
    table.unseen = UnseenCards(table);
    return table;
}
