// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' random numbers: small, fast and the same on every platform, so that a
// seed always gives the same choices (the C library's generator gives no such promise, and it
// also deals the deck).
#pragma once

#include <cstdint>

class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed)
    {}

    // splitmix64: every seed, 0 included, gives a good stream.
    std::uint64_t Next()
    {
        m_state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t mixed = m_state;
        mixed = (mixed ^ (mixed >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        mixed = (mixed ^ (mixed >> 27U)) * 0x94D049BB133111EBULL;
        return mixed ^ (mixed >> 31U);
    }

    // A number in 0..bound-1 (bound > 0), scaled with a multiply rather than a division.
    int Below(int bound)
    {
        return static_cast<int>(((Next() >> 32U) * static_cast<std::uint64_t>(bound)) >> 32U);
    }

    // A number in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11U) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

// Mixes one more value into a seed, for seeds derived from several numbers.
constexpr std::uint64_t MixSeed(std::uint64_t seed, std::uint64_t value)
{
    std::uint64_t mixed = seed ^ (value + 0x9E3779B97F4A7C15ULL + (seed << 6U) + (seed >> 2U));
    mixed = (mixed ^ (mixed >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    mixed = (mixed ^ (mixed >> 27U)) * 0x94D049BB133111EBULL;
    return mixed ^ (mixed >> 31U);
}
