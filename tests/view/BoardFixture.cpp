// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/view/BoardFixture.h"

#include "tests/support/GameFixtures.h"

void BoardTest::StartGame(int players, unsigned seed)
{
    const FixedSeed fixed(seed);
    doc.NewGame(players);
    platform.PaintInvalidated();
    platform.ClearLog();
}

const std::vector<CDC::TextItem>& BoardTest::Paint()
{
    platform.Paint(view);
    return platform.LastDrawing(view);
}

std::wstring BoardTest::TextAt(int x, int y) const
{
    for (const CDC::TextItem& item : platform.LastDrawing(view)) {
        if (item.x == x && item.y == y) {
            return item.text.GetString();
        }
    }
    return {};
}
