// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/Search.h"

#include "ai/Rollout.h"

#include <cmath>
#include <vector>

namespace {

// One position of the tree. A node reached by a draw is a chance node: it has one child per
// card code, the position after that card turned up, made when a deal first brings it.
struct Node {
    float reward = 0.0F; // summed results, for `actor`, of the iterations through the node
    std::int32_t visits = 0;
    std::int32_t firstChild = -1;
    std::int8_t childCount = 0;
    std::int8_t actor = 0; // the seat whose step led here
    Step step{};
};

// A result in 0..1 for every seat of a finished game.
std::array<float, MAX_PLAYERS> Results(const SimGame& game, const SearchSettings& settings)
{
    const std::array<int, MAX_PLAYERS> scores = game.Scores();
    std::array<float, MAX_PLAYERS> results{};
    for (int seat = 0; seat < game.players; ++seat) {
        int bestOther = INT32_MIN;
        int tiedWith = 0;
        for (int other = 0; other < game.players; ++other) {
            if (other == seat) {
                continue;
            }
            const int score = scores[static_cast<std::size_t>(other)];
            if (score > bestOther) {
                bestOther = score;
                tiedWith = 0;
            }
            if (score == bestOther) {
                ++tiedWith;
            }
        }
        const int margin = scores[static_cast<std::size_t>(seat)] - bestOther;
        const double win = margin > 0 ? 1.0 : margin == 0 ? 1.0 / (tiedWith + 1) : 0.0;
        const double lead = 0.5 + 0.5 * std::tanh(margin / settings.marginScale);
        results[static_cast<std::size_t>(seat)] =
            static_cast<float>((1.0 - settings.marginShare) * win + settings.marginShare * lead);
    }
    return results;
}

class Tree {
public:
    Tree(const SimGame& root, const SearchBudget& budget, const SearchSettings& settings)
        : m_root(root)
        , m_settings(settings)
    {
        // Each iteration adds at most a node's children and a chance node's card outcomes.
        const auto capacity =
            static_cast<std::size_t>(budget.iterations) * (MAX_STEPS + CARD_KINDS);
        m_nodes.reserve(capacity + 1);
        m_nodes.emplace_back();
        m_nodes[0].actor = root.current;
        m_path.reserve(2 * DECK_SIZE + 8);
    }

    void Iterate(Rng& rng);
    Step MostVisited() const;

private:
    std::int32_t ChildToTry(const Node& node, Rng& rng) const;
    void Expand(std::int32_t index, const SimGame& game);
    void ExpandChance(std::int32_t index);
    bool HasRoomFor(int children) const
    {
        return m_nodes.size() + static_cast<std::size_t>(children) <= m_nodes.capacity();
    }

    const SimGame m_root;
    const SearchSettings m_settings;
    std::vector<Node> m_nodes; // reserved once: children live in runs, never reallocated
    std::vector<std::int32_t> m_path;
};

void Tree::Expand(std::int32_t index, const SimGame& game)
{
    const StepList legal = game.Legal();
    if (!HasRoomFor(legal.count)) {
        return;
    }
    m_nodes[static_cast<std::size_t>(index)].firstChild = static_cast<std::int32_t>(m_nodes.size());
    m_nodes[static_cast<std::size_t>(index)].childCount = static_cast<std::int8_t>(legal.count);
    for (const Step step : legal) {
        Node& child = m_nodes.emplace_back();
        child.actor = game.current;
        child.step = step;
    }
}

void Tree::ExpandChance(std::int32_t index)
{
    if (!HasRoomFor(CARD_KINDS)) {
        return;
    }
    Node& chance = m_nodes[static_cast<std::size_t>(index)];
    chance.firstChild = static_cast<std::int32_t>(m_nodes.size());
    chance.childCount = CARD_KINDS;
    const Node outcome{.actor = chance.actor, .step = chance.step};
    m_nodes.insert(m_nodes.end(), CARD_KINDS, outcome);
}

std::int32_t Tree::ChildToTry(const Node& node, Rng& rng) const
{
    // Every step is tried once, in a random order, before the confidence bounds take over.
    int untried = 0;
    for (std::int32_t child = node.firstChild; child < node.firstChild + node.childCount; ++child) {
        if (m_nodes[static_cast<std::size_t>(child)].visits == 0) {
            ++untried;
        }
    }
    if (untried > 0) {
        int pick = rng.Below(untried);
        for (std::int32_t child = node.firstChild;; ++child) {
            if (m_nodes[static_cast<std::size_t>(child)].visits == 0 && pick-- == 0) {
                return child;
            }
        }
    }
    const double logVisits = std::log(static_cast<double>(node.visits));
    std::int32_t best = node.firstChild;
    double bestBound = -1.0;
    for (std::int32_t child = node.firstChild; child < node.firstChild + node.childCount; ++child) {
        const Node& candidate = m_nodes[static_cast<std::size_t>(child)];
        const double visits = candidate.visits;
        const double bound = static_cast<double>(candidate.reward) / visits +
                             m_settings.exploration * std::sqrt(logVisits / visits);
        if (bound > bestBound) {
            bestBound = bound;
            best = child;
        }
    }
    return best;
}

void Tree::Iterate(Rng& rng)
{
    SimGame game = m_root;
    game.Deal(rng);
    m_path.clear();
    m_path.push_back(0);

    std::int32_t index = 0;
    while (!game.over) {
        if (m_nodes[static_cast<std::size_t>(index)].childCount == 0) {
            Expand(index, game);
            if (m_nodes[static_cast<std::size_t>(index)].childCount == 0) {
                break; // the tree is full: play on from here
            }
        }
        const std::int32_t child = ChildToTry(m_nodes[static_cast<std::size_t>(index)], rng);
        const bool fresh = m_nodes[static_cast<std::size_t>(child)].visits == 0;
        const Step step = m_nodes[static_cast<std::size_t>(child)].step;
        game.Play(step);
        index = child;
        m_path.push_back(index);
        if (step.kind == StepKind::Draw) {
            // The deal decides which card turns up; follow that outcome.
            if (m_nodes[static_cast<std::size_t>(index)].childCount == 0) {
                ExpandChance(index);
            }
            const Node& chance = m_nodes[static_cast<std::size_t>(index)];
            if (chance.childCount == 0) {
                break;
            }
            index = chance.firstChild + game.TopCard();
            m_path.push_back(index);
        }
        if (fresh) {
            break;
        }
    }

    PlayOut(game, rng);
    const std::array<float, MAX_PLAYERS> results = Results(game, m_settings);
    for (const std::int32_t visited : m_path) {
        Node& node = m_nodes[static_cast<std::size_t>(visited)];
        ++node.visits;
        node.reward += results[static_cast<std::size_t>(node.actor)];
    }
}

Step Tree::MostVisited() const
{
    const Node& root = m_nodes[0];
    std::int32_t best = root.firstChild;
    for (std::int32_t child = root.firstChild; child < root.firstChild + root.childCount; ++child) {
        const Node& candidate = m_nodes[static_cast<std::size_t>(child)];
        const Node& leader = m_nodes[static_cast<std::size_t>(best)];
        if (candidate.visits > leader.visits ||
            (candidate.visits == leader.visits && candidate.reward > leader.reward)) {
            best = child;
        }
    }
    return m_nodes[static_cast<std::size_t>(best)].step;
}

} // namespace

Step SearchStep(const Observation& table, Rng& rng, const SearchBudget& budget,
                const SearchSettings& settings)
{
    const SimGame root = SimGame::FromObservation(table);
    const StepList legal = root.Legal();
    if (legal.count == 1) {
        return legal.steps[0];
    }
    Tree tree(root, budget, settings);
    const auto deadline = std::chrono::steady_clock::now() + budget.timeCap;
    constexpr int CLOCK_EVERY = 64; // iterations between looks at the clock
    for (int iteration = 0; iteration < budget.iterations; ++iteration) {
        if (iteration % CLOCK_EVERY == CLOCK_EVERY - 1 &&
            std::chrono::steady_clock::now() > deadline) {
            break;
        }
        tree.Iterate(rng);
    }
    return tree.MostVisited();
}
