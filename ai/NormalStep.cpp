// SPDX-License-Identifier: GPL-3.0-or-later
// The normal level: the best step one move ahead, weighing the player's own gain against what
// the step leaves to the others in the round.
#include "ai/Gains.h"
#include "ai/Policies.h"

#include <algorithm>
#include <limits>

namespace {

// A row the player may take later is worth less than one taken now: others move first, and
// the row may be taken or spoilt in between.
constexpr double LATER_WEIGHT = 0.6;
// What the best-placed other player may take, counted against the player.
constexpr double OTHERS_WEIGHT = 1.0;
// Points a take is worth beyond its gain: taking early leaves the others fewer rows to fill
// and the player fewer cards he did not want (measured in the arena, against every level).
constexpr double TAKE_BONUS = 2.0;

// A player's collection with a row (and perhaps one more card) added, and its score before.
struct Holding {
    Collection cards;
    int length = 0; // cards in the row
    int base = 0;   // the collection's score without the row
};

class Judge {
public:
    Judge(const SimGame& game, const Collection& unseen)
        : m_game(game)
        , m_gains(game)
        , m_me(game.current)
        , m_others(OthersInRound(game))
        , m_unseen(unseen)
    {}

    // The one other player in the round, when there is exactly one, else -1.
    int SoleOther() const
    {
        for (int seat = 0; seat < m_game.players; ++seat) {
            if (m_others == 1U << seat) {
                return seat;
            }
        }
        return -1;
    }

    // The one row not taken other than `row`, when there is exactly one, else -1.
    int SoleRowBut(int row) const
    {
        int found = -1;
        for (int other = 0; other < m_game.players; ++other) {
            if (other != row && !m_game.RowTaken(other)) {
                if (found >= 0) {
                    return -1;
                }
                found = other;
            }
        }
        return found;
    }

    Holding Hold(int seat, int row, int card) const
    {
        Holding holding{m_game.collections[static_cast<std::size_t>(seat)], 0, 0};
        holding.base = ScoreCollection(holding.cards);
        const auto r = static_cast<std::size_t>(row);
        for (std::uint8_t slot = 0; slot < m_game.rowLength[r]; ++slot) {
            ++holding.cards[static_cast<std::size_t>(m_game.rowCards[r][slot])];
        }
        holding.length = m_game.rowLength[r];
        if (card >= 0) {
            ++holding.cards[static_cast<std::size_t>(card)];
            ++holding.length;
        }
        return holding;
    }

    // What a player left alone with a row for the rest of the round can expect from it: he
    // draws while a card is likely to make the row better, and takes it when full or good.
    double Alone(Holding& holding) const
    {
        const int now = ScoreCollection(holding.cards) - holding.base;
        if (holding.length == ROW_SLOTS) {
            return now;
        }
        double total = 0.0;
        int cards = 0;
        ++holding.length;
        for (std::size_t card = 0; card < CARD_KINDS; ++card) {
            const int count = m_unseen[card];
            if (count > 0) {
                ++holding.cards[card];
                total += count * Alone(holding);
                --holding.cards[card];
                cards += count;
            }
        }
        --holding.length;
        const double drawn = cards == 0 ? now : total / cards;
        return holding.length == 0 ? drawn : std::max<double>(now, drawn);
    }

    // Alone in the round with the last row: take it, or draw while that is likely to pay.
    Step AloneStep() const
    {
        const int row = SoleRowBut(-1);
        if (!m_game.CanDraw()) {
            return {StepKind::Take, row};
        }
        if (!m_game.CanTake(row)) {
            return {StepKind::Draw, -1};
        }
        Holding holding = Hold(m_me, row, -1);
        const int now = ScoreCollection(holding.cards) - holding.base;
        return Alone(holding) > now ? Step{StepKind::Draw, -1} : Step{StepKind::Take, row};
    }

    double Take(int row) const
    {
        const int sole = SoleOther();
        const int left = SoleRowBut(row);
        double handed = 0.0;
        if (sole >= 0 && left >= 0) {
            // The other player will have the last row, and the rest of the round, to himself.
            Holding holding = Hold(sole, left, -1);
            handed = Alone(holding);
        } else if (m_others != 0) {
            handed = BestGainFor(m_game, m_gains, m_others, -1, -1, row);
        }
        return TAKE_BONUS + m_gains.OfRow(m_me, row) - OTHERS_WEIGHT * handed;
    }

    double Place(int card, int row) const
    {
        const int sole = SoleOther();
        if (sole >= 0) {
            return PlaceFacingOne(sole, card, row);
        }
        const int mine = BestGainFor(m_game, m_gains, 1U << m_me, row, card, -1);
        if (m_others == 0) {
            return mine; // alone in the round: the player moves again at once
        }
        return LATER_WEIGHT * mine -
               OTHERS_WEIGHT * BestGainFor(m_game, m_gains, m_others, row, card, -1);
    }

    // The best placement of `card`, and its worth.
    std::pair<int, double> BestPlace(int card) const
    {
        int bestRow = -1;
        double best = -std::numeric_limits<double>::infinity();
        for (int row = 0; row < m_game.players; ++row) {
            if (m_game.CanPlace(row)) {
                const double value = Place(card, row);
                if (value > best) {
                    best = value;
                    bestRow = row;
                }
            }
        }
        return {bestRow, best};
    }

    // A draw's worth: its best placement, averaged over the cards it may turn up.
    double Draw() const
    {
        double total = 0.0;
        int cards = 0;
        for (int card = 0; card < CARD_KINDS; ++card) {
            const int count = m_unseen[static_cast<std::size_t>(card)];
            if (count > 0) {
                total += count * BestPlace(card).second;
                cards += count;
            }
        }
        return cards == 0 ? 0.0 : total / cards;
    }

private:
    // Two players left in the round, and so two rows: the other takes the row he likes better
    // and leaves the player alone with the other one.
    double PlaceFacingOne(int other, int card, int row) const
    {
        const int otherRow = SoleRowBut(row);
        int hisRow = row;
        int hisGain = m_gains.OfRowWith(other, row, card);
        if (otherRow >= 0 && m_game.CanTake(otherRow) && m_gains.OfRow(other, otherRow) > hisGain) {
            hisRow = otherRow;
            hisGain = m_gains.OfRow(other, otherRow);
        }
        Holding mine = hisRow == row ? Hold(m_me, otherRow, -1) : Hold(m_me, row, card);
        const double left = hisRow == row && otherRow < 0 ? 0.0 : Alone(mine);
        return LATER_WEIGHT * left - OTHERS_WEIGHT * hisGain;
    }

    const SimGame& m_game;
    const Gains m_gains;
    const int m_me;
    const unsigned m_others;
    const Collection& m_unseen;
};

} // namespace

Step NormalStep(const SimGame& game, const Collection& unseen)
{
    const Judge judge(game, unseen);
    if (game.placing) {
        return {StepKind::Place, judge.BestPlace(game.TopCard()).first};
    }
    if (OthersInRound(game) == 0) {
        return judge.AloneStep();
    }
    Step best{};
    double bestValue = -std::numeric_limits<double>::infinity();
    for (const Step step : game.Legal()) {
        const double value = step.kind == StepKind::Draw ? judge.Draw() : judge.Take(step.row);
        if (value > bestValue) {
            bestValue = value;
            best = step;
        }
    }
    return best;
}
