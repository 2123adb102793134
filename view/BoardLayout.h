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

// A rectangle of the board that a click has to land inside.
struct HitArea {
    int left;
    int top;
    int right;
    int bottom;

    constexpr bool Contains(CPoint point) const
    {
        return point.x > left && point.x < right && point.y > top && point.y < bottom;
    }
    // The point in the middle, where a key that stands for a click on the area clicks.
    constexpr CPoint Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};

// The deck: around "Draw!", not reaching the drawn card's label below it.
inline constexpr HitArea kDeckArea{50, 80, 100, 140};

constexpr bool IsOnDeck(CPoint point)
{
    return kDeckArea.Contains(point);
}

// There are bands for five rows whatever the number of players; the rules refuse the rows
// that are not in play.
inline constexpr int kRowBands = 5;

// The band of a row: the 19 pixel lines just below the top of its line, in the column where
// the line begins.
constexpr HitArea RowArea(int row)
{
    return {kRowX, RowY(row), kRowX + 50, RowY(row) + 20};
}

// The row whose band holds `point`; -1 when the point is in no band.
constexpr int RowAt(CPoint point)
{
    for (int row = 0; row < kRowBands; ++row) {
        if (RowArea(row).Contains(point)) {
            return row;
        }
    }
    return -1;
}

// Where a move that names the deck or a row rather than a point clicks (a key, a computer
// player): the middle of its area, well inside every border.
constexpr CPoint DeckClick()
{
    return kDeckArea.Centre();
}
constexpr CPoint RowClick(int row)
{
    return RowArea(row).Centre();
}

} // namespace board
