// SPDX-License-Identifier: GPL-3.0-or-later
// Copying a game: every field as it is, but the top of the deck re-aimed at the copy's deck.
#include "game/GameRules.h"

GameRules::GameRules(const GameRules& other)
{
    *this = other;
}

GameRules& GameRules::operator=(const GameRules& other)
{
    if (this != &other) {
        m_numPlayers = other.m_numPlayers;
        m_players = other.m_players;
        m_currentPlayer = other.m_currentPlayer;
        m_rows = other.m_rows;
        m_deck = other.m_deck;
        m_deckTop = m_deck.data() + (other.m_deckTop - other.m_deck.data());
        m_turnPhase = other.m_turnPhase;
        m_gameOver = other.m_gameOver;
    }
    return *this;
}
