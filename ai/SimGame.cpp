// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/SimGame.h"

#include "ai/Rng.h"

#include <utility>

SimGame SimGame::FromObservation(const Observation& table)
{
    SimGame game;
    game.players = static_cast<std::int8_t>(table.numPlayers);
    game.current = static_cast<std::int8_t>(table.currentPlayer);
    game.placing = table.phase == PHASE_PLACE;
    for (int seat = 0; seat < table.numPlayers; ++seat) {
        const PlayerState& player = table.players[static_cast<std::size_t>(seat)];
        game.collections[static_cast<std::size_t>(seat)] = CollectionOf(player);
        if (player.tookRow) {
            game.took = static_cast<std::uint8_t>(game.took | 1U << seat);
        }
        const RowState& row = table.rows[static_cast<std::size_t>(seat)];
        if (row.taken) {
            game.taken = static_cast<std::uint8_t>(game.taken | 1U << seat);
        }
        std::uint8_t length = 0;
        while (length < ROW_SLOTS && row.slots[length] != CARD_EMPTY) {
            game.rowCards[static_cast<std::size_t>(seat)][length] =
                static_cast<std::int8_t>(row.slots[length]);
            ++length;
        }
        game.rowLength[static_cast<std::size_t>(seat)] = length;
    }

    game.deckTop = static_cast<std::uint8_t>(DECK_SIZE - table.undealt);
    std::size_t position = game.deckTop;
    if (game.placing) {
        game.deck[position++] = static_cast<std::int8_t>(table.drawnCard);
    }
    for (int code = 0; code < CARD_KINDS; ++code) {
        for (int copy = 0; copy < table.unseen[static_cast<std::size_t>(code)]; ++copy) {
            if (position < game.deck.size()) {
                game.deck[position++] = static_cast<std::int8_t>(code);
            }
        }
    }
    return game;
}

void SimGame::Deal(Rng& rng)
{
    // Fisher-Yates over the cards behind the drawn one.
    const int first = deckTop + (placing ? 1 : 0);
    for (int last = DECK_SIZE - 1; last > first; --last) {
        const int other = first + rng.Below(last - first + 1);
        std::swap(deck[static_cast<std::size_t>(last)], deck[static_cast<std::size_t>(other)]);
    }
}

bool SimGame::CanDraw() const
{
    for (int row = 0; row < players; ++row) {
        if (CanPlace(row)) {
            return true;
        }
    }
    return false;
}

StepList SimGame::Legal() const
{
    StepList list;
    const auto add = [&list](StepKind kind, int row) {
        list.steps[static_cast<std::size_t>(list.count++)] = {kind, row};
    };
    if (placing) {
        for (int row = 0; row < players; ++row) {
            if (CanPlace(row)) {
                add(StepKind::Place, row);
            }
        }
        return list;
    }
    if (CanDraw()) {
        add(StepKind::Draw, -1);
    }
    for (int row = 0; row < players; ++row) {
        if (CanTake(row)) {
            add(StepKind::Take, row);
        }
    }
    return list;
}

int SimGame::NextSeat() const
{
    int seat = current;
    for (int looked = 0; looked < players; ++looked) {
        seat = seat + 1 < players ? seat + 1 : 0;
        if (!SeatTook(seat)) {
            return seat;
        }
    }
    return current + 1 < players ? current + 1 : 0;
}

void SimGame::Play(Step step)
{
    const auto row = static_cast<std::size_t>(step.row);
    switch (step.kind) {
    case StepKind::Draw:
        placing = true;
        return;
    case StepKind::Place:
        rowCards[row][rowLength[row]++] = deck[deckTop++];
        placing = false;
        current = static_cast<std::int8_t>(NextSeat());
        return;
    case StepKind::Take:
        break;
    }

    Collection& collection = collections[static_cast<std::size_t>(current)];
    for (std::uint8_t slot = 0; slot < rowLength[row]; ++slot) {
        ++collection[static_cast<std::size_t>(rowCards[row][slot])];
    }
    taken = static_cast<std::uint8_t>(taken | 1U << step.row);
    took = static_cast<std::uint8_t>(took | 1U << current);
    const bool roundOver = took == (1U << players) - 1U;
    if (roundOver && IsLastRound()) {
        over = true; // the final position stays as it is, the turn with the last taker
        return;
    }
    current = static_cast<std::int8_t>(NextSeat());
    if (roundOver) {
        took = 0;
        taken = 0;
        rowLength = {};
    }
}

std::array<int, MAX_PLAYERS> SimGame::Scores() const
{
    std::array<int, MAX_PLAYERS> scores{};
    for (int seat = 0; seat < players; ++seat) {
        scores[static_cast<std::size_t>(seat)] =
            ScoreCollection(collections[static_cast<std::size_t>(seat)]);
    }
    return scores;
}
