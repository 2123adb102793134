// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/Collection.h"

#include <algorithm>

namespace {

constexpr int WILD_LIMIT = 6;
constexpr std::array<int, WILD_LIMIT + 1> POINTS_FOR_COUNT{0, 1, 3, 6, 10, 15, 21};
constexpr int POSITIVE_COLOURS = 3;
constexpr int BONUS_POINTS = 2;

constexpr int PointsFor(int count)
{
    return POINTS_FOR_COUNT[static_cast<std::size_t>(std::min(count, WILD_LIMIT))];
}

// Puts the smaller of two counts first.
inline void Order(int& low, int& high)
{
    const int smaller = std::min(low, high);
    high = std::max(low, high);
    low = smaller;
}

} // namespace

Collection CollectionOf(const PlayerState& player)
{
    Collection collection{};
    const auto narrow = [](std::int32_t count) {
        return static_cast<std::uint8_t>(std::clamp(count, 0, 255));
    };
    for (int colour = 0; colour < NUM_COLOURS; ++colour) {
        collection[static_cast<std::size_t>(colour)] =
            narrow(player.colourCount[static_cast<std::size_t>(colour)]);
    }
    collection[CARD_WILD] = narrow(player.wildCount);
    collection[CARD_BONUS] = narrow(player.bonusCount);
    return collection;
}

int ScoreCollection(const Collection& collection)
{
    // Searches score millions of collections, so the seven counts are sorted by a fixed
    // network of sixteen compare-exchanges on locals, which compiles without branches.
    int c0 = collection[0];
    int c1 = collection[1];
    int c2 = collection[2];
    int c3 = collection[3];
    int c4 = collection[4];
    int c5 = collection[5];
    int c6 = collection[6];
    int negative = PointsFor(c0) + PointsFor(c1) + PointsFor(c2) + PointsFor(c3) + PointsFor(c4) +
                   PointsFor(c5) + PointsFor(c6);
    Order(c0, c6);
    Order(c2, c3);
    Order(c4, c5);
    Order(c0, c2);
    Order(c1, c4);
    Order(c3, c6);
    Order(c0, c1);
    Order(c2, c5);
    Order(c3, c4);
    Order(c1, c2);
    Order(c4, c6);
    Order(c2, c3);
    Order(c4, c5);
    Order(c1, c2);
    Order(c3, c4);
    Order(c5, c6);
    const std::array<int, POSITIVE_COLOURS> top{c6, c5, c4}; // the largest first

    // Every colour first counted against the player; the three largest move over to the
    // positive side (hence out of the negative sum), after the wild cards have topped them up
    // from the largest down.
    int positive = 0;
    int wild = collection[CARD_WILD];
    for (const int count : top) {
        negative -= PointsFor(count);
        const int added = std::clamp(WILD_LIMIT - count, 0, wild);
        wild -= added;
        positive += PointsFor(count + added);
    }
    return positive - negative + BONUS_POINTS * collection[CARD_BONUS];
}
