// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a turn: which moves are open, carrying a move out, passing the turn and ending
// rounds and the game.
#include "game/GameRules.h"

#include <algorithm>

namespace {

bool HoldsCard(const RowState& row)
{
    return row.slots[0] != CARD_EMPTY;
}

bool AllowsMove(const RowState& row, MoveKind kind)
{
    if (kind == MOVE_TAKE) {
        return !row.taken && HoldsCard(row);
    }
    return !row.taken && !row.full;
}

} // namespace

bool GameRules::CanMove(MoveKind kind) const
{
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [kind](const RowState& row) { return AllowsMove(row, kind); });
}

bool GameRules::CanMoveOnRow(int row, MoveKind kind) const
{
    if (row < 0 || row > m_numPlayers - 1) {
        return false;
    }
    return AllowsMove(m_rows[static_cast<std::size_t>(row)], kind);
}

int GameRules::ApplyMove(MoveKind kind, int row)
{
    // Every caller asks CanMoveOnRow first; a move it refuses is ignored rather than allowed
    // to corrupt the game.
    if (!CanMoveOnRow(row, kind)) {
        return 0;
    }
    RowState& target = m_rows[static_cast<std::size_t>(row)];
    if (kind == MOVE_TAKE) {
        TakeRow(target);
    } else if (!PlaceDrawnCard(target)) {
        return 0;
    }

    // Once every player has taken a row in the last round the game is over. The board goes on
    // showing the final position, so nothing is reset and the turn does not pass.
    const bool roundOver = EveryPlayerTookRow();
    if (roundOver && IsLastRound()) {
        return 1;
    }
    m_currentPlayer = NextPlayer();
    if (roundOver) {
        StartNextRound();
    }
    return 0;
}

int GameRules::NextPlayer() const
{
    if (m_numPlayers <= 0) {
        return 0;
    }
    const auto following = [this](int seat) { return seat + 1 < m_numPlayers ? seat + 1 : 0; };
    // The search reaches the current player last, so a player left alone in the round moves
    // again and again until he or she takes a row.
    int seat = following(m_currentPlayer);
    for (int looked = 0; looked < m_numPlayers; ++looked, seat = following(seat)) {
        if (!m_players[static_cast<std::size_t>(seat)].tookRow) {
            return seat;
        }
    }
    return following(m_currentPlayer);
}

bool GameRules::EveryPlayerTookRow() const
{
    return std::all_of(m_players.begin(), m_players.end(),
                       [](const PlayerState& player) { return player.tookRow; });
}

void GameRules::TakeRow(RowState& row)
{
    PlayerState& player = m_players[static_cast<std::size_t>(m_currentPlayer)];
    for (const CardCode card : row.slots) {
        if (card == CARD_EMPTY) {
            break;
        }
        if (card == CARD_WILD) {
            ++player.wildCount;
        } else if (card == CARD_BONUS) {
            ++player.bonusCount;
        } else if (IsColour(card)) {
            ++player.colourCount[static_cast<std::size_t>(card)];
        }
    }
    row.taken = true;
    player.tookRow = true;
}

bool GameRules::PlaceDrawnCard(RowState& row)
{
    // A row that is not full has an empty slot, and play never empties the deck; the checks
    // only keep a game whose fields were set by hand from writing outside its arrays.
    auto* const slot = std::find(row.slots.begin(), row.slots.end(), CARD_EMPTY);
    if (slot == row.slots.end() || UndealtCount() <= 0) {
        return false;
    }
    *slot = *m_deckTop;
    row.full = row.slots.back() != CARD_EMPTY;
    ++m_deckTop;
    return true;
}

void GameRules::StartNextRound()
{
    for (PlayerState& player : m_players) {
        player.tookRow = false;
    }
    std::fill(m_rows.begin(), m_rows.end(), RowState{});
}
