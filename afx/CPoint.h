// SPDX-License-Identifier: GPL-3.0-or-later
// A point in a window's client area, as mouse messages deliver it.
#pragma once

#include "afx/WinTypes.h"

class CPoint : public POINT {
public:
    constexpr CPoint()
        : POINT{0, 0}
    {}
    constexpr CPoint(int initX, int initY)
        : POINT{initX, initY}
    {}

    friend constexpr bool operator==(const CPoint& left, const CPoint& right)
    {
        return left.x == right.x && left.y == right.y;
    }
};
