// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ShuffleSeed.h"

#include <ctime>

namespace {
std::optional<unsigned> g_fixedSeed;
} // namespace

void SetFixedShuffleSeed(std::optional<unsigned> seed)
{
    g_fixedSeed = seed;
}

unsigned NextShuffleSeed()
{
    if (g_fixedSeed) {
        return *g_fixedSeed;
    }
    // The calendar second, narrowed to the generator's seed as the C library does it.
    return static_cast<unsigned>(std::time(nullptr));
}
