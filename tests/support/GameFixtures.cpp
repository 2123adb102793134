// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameFixtures.h"

#include "game/ShuffleSeed.h"

#include <tuple>

FixedSeed::FixedSeed(unsigned seed)
{
    SetFixedShuffleSeed(seed);
}

FixedSeed::~FixedSeed()
{
    SetFixedShuffleSeed(std::nullopt);
}

CardTally TallyCards(const CardCode* first, const CardCode* last)
{
    CardTally tally{};
    for (const CardCode* card = first; card != last; ++card) {
        ++tally.at(static_cast<std::size_t>(*card));
    }
    return tally;
}

CardTally FullDeckTally()
{
    CardTally tally{};
    for (int colour = 0; colour < NUM_COLOURS; ++colour) {
        tally[static_cast<std::size_t>(colour)] = CARDS_PER_COLOUR;
    }
    tally[CARD_WILD] = NUM_WILD_CARDS;
    tally[CARD_BONUS] = NUM_BONUS_CARDS;
    return tally;
}

CardTally TallyGame(const GameRules& doc)
{
    CardTally tally = TallyCards(doc.m_deckTop, doc.m_deck.data() + doc.m_deck.size());
    for (const PlayerState& player : doc.m_players) {
        for (int colour = 0; colour < NUM_COLOURS; ++colour) {
            tally[static_cast<std::size_t>(colour)] +=
                player.colourCount[static_cast<std::size_t>(colour)];
        }
        tally[CARD_WILD] += player.wildCount;
        tally[CARD_BONUS] += player.bonusCount;
    }
    // A taken row stays on show, but its cards are already in a collection.
    for (const RowState& row : doc.m_rows) {
        if (row.taken) {
            continue;
        }
        for (const CardCode card : row.slots) {
            if (card == CARD_EMPTY) {
                break;
            }
            ++tally.at(static_cast<std::size_t>(card));
        }
    }
    return tally;
}

void LayRow(GameRules& doc, int row, std::initializer_list<CardCode> cards)
{
    RowState& target = doc.m_rows.at(static_cast<std::size_t>(row));
    target = RowState{};
    std::size_t slot = 0;
    for (const CardCode card : cards) {
        target.slots.at(slot++) = card;
    }
    target.full = slot == target.slots.size();
}

void MarkTaken(GameRules& doc, int player, int row)
{
    doc.m_players.at(static_cast<std::size_t>(player)).tookRow = true;
    doc.m_rows.at(static_cast<std::size_t>(row)).taken = true;
}

void SetUndealt(GameRules& doc, int undealt)
{
    doc.m_deckTop = doc.m_deck.data() + (DECK_SIZE - undealt);
}

PlayerState CollectionWorth(int score)
{
    PlayerState player;
    if (score >= 0) {
        player.bonusCount = score / 2;
        player.colourCount[0] = score % 2;
    } else {
        const int base = score % 2 != 0 ? (score >= -1 ? -1 : -3) : -6;
        player.colourCount.fill(base == -1 ? 1 : base == -3 ? 2 : 3);
        player.bonusCount = (score - base) / 2;
    }
    return player;
}

GameSnapshot Snapshot(const GameRules& doc)
{
    return {doc.m_numPlayers, doc.m_players,      doc.m_currentPlayer, doc.m_rows,
            doc.m_deck,       doc.UndealtCount(), doc.m_turnPhase,     doc.m_gameOver};
}

bool operator==(const PlayerState& left, const PlayerState& right)
{
    return std::tie(left.tookRow, left.colourCount, left.wildCount, left.bonusCount) ==
           std::tie(right.tookRow, right.colourCount, right.wildCount, right.bonusCount);
}

bool operator==(const RowState& left, const RowState& right)
{
    return std::tie(left.full, left.taken, left.slots) ==
           std::tie(right.full, right.taken, right.slots);
}
