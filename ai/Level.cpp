// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/Level.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Level, std::string_view>, 4> NAMES{{
    {Level::Random, "random"},
    {Level::Easy, "easy"},
    {Level::Normal, "normal"},
    {Level::Hard, "hard"},
}};

} // namespace

std::string_view LevelName(Level level)
{
    for (const auto& [named, name] : NAMES) {
        if (named == level) {
            return name;
        }
    }
    return "?";
}

std::optional<Level> ParseLevel(std::string_view name)
{
    for (const auto& [level, levelName] : NAMES) {
        if (levelName == name) {
            return level;
        }
    }
    return std::nullopt;
}
