// A board on the headless platform: a document and a view in a window, and what the board
// should show for any state of the game, derived from the layout rather than from the view.
#pragma once

#include "afx/CDC.h"
#include "afx/headless/HeadlessPlatform.h"
#include "game/Zintra_winDoc.h"
#include "view/Zintra_winView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every text the board should draw for `doc`, in drawing order, the banner included.
std::vector<CDC::TextItem> ExpectedBoard(const CZintra_winDoc& doc);

class BoardTest : public testing::Test {
protected:
    // The view has a window and shows the document, which has no game yet.
    BoardTest();

    // Deals a game of `players` from `seed`, paints it and forgets what that logged.
    void StartGame(int players, unsigned seed = 2026);
    void Click(int x, int y) { platform.Click(view, x, y); }
    // Paints the view and returns what it drew.
    const std::vector<CDC::TextItem>& Paint();
    // The text last drawn with its top-left corner at (x, y); empty when nothing was.
    std::wstring TextAt(int x, int y) const;

    // Declared first, destroyed last: the view leaves its window on the way out.
    HeadlessPlatform platform;
    CZintra_winDoc doc;
    CZintra_winView view;
};
