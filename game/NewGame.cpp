// SPDX-License-Identifier: GPL-3.0-or-later
// Setting up a fresh game: players, rows and the shuffled deck.
#include "game/GameRules.h"
#include "game/ShuffleSeed.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The deck in its printed order: nine of each colour, then the wild cards, then the "+2"s.
constexpr std::array<CardCode, DECK_SIZE> OrderedDeck()
{
    std::array<CardCode, DECK_SIZE> deck{};
    int position = 0;
    for (; position < NUM_COLOURS * CARDS_PER_COLOUR; ++position) {
        deck[static_cast<std::size_t>(position)] = position / CARDS_PER_COLOUR;
    }
    for (int wild = 0; wild < NUM_WILD_CARDS; ++wild, ++position) {
        deck[static_cast<std::size_t>(position)] = CARD_WILD;
    }
    for (int bonus = 0; bonus < NUM_BONUS_CARDS; ++bonus, ++position) {
        deck[static_cast<std::size_t>(position)] = CARD_BONUS;
    }
    return deck;
}

} // namespace

void GameRules::NewGame(int count)
{
    m_numPlayers = std::clamp(count, MIN_PLAYERS, MAX_PLAYERS);
    const auto seats = static_cast<std::size_t>(m_numPlayers);
    m_players.assign(seats, PlayerState{});
    m_currentPlayer = 0;
    m_rows.assign(seats, RowState{});

    m_deck = OrderedDeck();
    // The C library's generator, seeded and drawn exactly this way, so that a seed always
    // deals the same deck on a given C library.
    std::srand(NextShuffleSeed());
    for (int i = 0; i < DECK_SIZE - 1; ++i) {
        const int remaining = DECK_SIZE - i;
        const int j = i + std::rand() % remaining; // NOLINT(cert-msc30-c,cert-msc50-cpp)
        std::swap(m_deck[static_cast<std::size_t>(i)], m_deck[static_cast<std::size_t>(j)]);
    }
    m_deckTop = m_deck.data();

    m_turnPhase = PHASE_CHOOSE;
    m_gameOver = false;
}

int GameRules::UndealtCount() const
{
    return static_cast<int>(m_deck.data() + m_deck.size() - m_deckTop);
}

bool GameRules::IsLastRound() const
{
    return 3 * m_numPlayers >= UndealtCount() - 1;
}
