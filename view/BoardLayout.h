// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board's texts stand in the view's client area, in pixels from its top-left
// corner, and the areas a click must land in to draw a card or to choose a row. Drawing and
// hit-testing share these numbers; nothing depends on the size of the window.
#pragma once

#include "afx/CPoint.h"

namespace board {

inline constexpr int kBannerX = 200;
inline constexpr int kBannerY = 0;

inline constexpr int kRowX = 200;
constexpr int RowY(int row)
{
    return 40 + 40 * row;
}

inline constexpr int kDeckX = 50;
inline constexpr int kDeckY = 100;

inline constexpr int kHandsX = 400;
inline constexpr int kHandsY = 260;

inline constexpr int kPlayerX = 200;
constexpr int PlayerY(int player)
{
    return 300 + 60 * player;
}

inline constexpr int kPromptX = 100;
inline constexpr int kPromptY = 600;

inline constexpr int kDrawnCardX = 50;
inline constexpr int kDrawnCardY = 150;

// Hit areas. Every bound is exclusive: a point on a border is outside.

// The deck: around "Draw!", not reaching the drawn card's label below it.
constexpr bool IsOnDeck(CPoint point)
{
    return point.x > 50 && point.x < 100 && point.y > 80 && point.y < 140;
}

// There are bands for five rows whatever the number of players; the rules refuse the rows
// that are not in play.
inline constexpr int kRowBands = 5;

// The row whose band holds `point`: the 19 pixel lines just below the top of its line, in the
// column where the line begins. -1 when the point is in no band.
constexpr int RowAt(CPoint point)
{
    if (point.x <= kRowX || point.x >= kRowX + 50) {
        return -1;
    }
    for (int row = 0; row < kRowBands; ++row) {
        if (point.y > RowY(row) && point.y < RowY(row) + 20) {
            return row;
        }
    }
    return -1;
}

} // namespace board
