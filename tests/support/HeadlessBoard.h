// SPDX-License-Identifier: GPL-3.0-or-later
// A game's document shown by the board in a window of the headless platform, wired as the
// program wires them. The document has no game until NewGame.
#pragma once

#include "afx/headless/HeadlessPlatform.h"
#include "game/Zintra_winDoc.h"
#include "view/Zintra_winView.h"

struct HeadlessBoard {
    HeadlessBoard();

    // Declared first, destroyed last: the view leaves its window on the way out.
    HeadlessPlatform platform;
    CZintra_winDoc doc;
    CZintra_winView view;
};
