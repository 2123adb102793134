// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the board on the headless platform.
#pragma once

#include "afx/CDC.h"
#include "game/Zintra_winDoc.h"
#include "tests/support/ExpectedBoard.h"
#include "tests/support/HeadlessBoard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class BoardTest : public testing::Test, protected HeadlessBoard {
protected:
    // Deals a game of `players` from `seed`, paints it and forgets what that logged.
    void StartGame(int players, unsigned seed = 2026);
    void Click(int x, int y) { platform.Click(view, x, y); }
    // Paints the view and returns what it drew.
    const std::vector<CDC::TextItem>& Paint();
    // The text last drawn with its top-left corner at (x, y); empty when nothing was.
    std::wstring TextAt(int x, int y) const;
};
