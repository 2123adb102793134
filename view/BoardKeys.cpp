// SPDX-License-Identifier: GPL-3.0-or-later
// Playing without a mouse: each key that names the deck or a row is a click in the middle of
// its hit area, so that the move, its boxes and its repaint are exactly the click's.
#include "view/BoardLayout.h"
#include "view/Zintra_winView.h"

#include <optional>

namespace {

// The row a key names: the digits 1 to 5 of the main block or of the keypad name rows 0 to 4.
std::optional<int> RowOfKey(UINT key)
{
    if (key >= '1' && key < '1' + board::kRowBands) {
        return static_cast<int>(key - '1');
    }
    if (key >= VK_NUMPAD0 + 1 && key < VK_NUMPAD0 + 1 + board::kRowBands) {
        return static_cast<int>(key - (VK_NUMPAD0 + 1));
    }
    return std::nullopt;
}

// Where the click a key stands for lands; none for a key that stands for no click.
std::optional<CPoint> ClickOfKey(UINT key)
{
    if (key == VK_SPACE || key == 'D') {
        return board::DeckClick();
    }
    if (const std::optional<int> row = RowOfKey(key)) {
        return board::RowClick(*row);
    }
    return std::nullopt;
}

} // namespace

void CZintra_winView::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT nFlags)
{
    // A key held down repeats its message; a move wants a press of its own, or holding "1"
    // would place a card on row 1 and then take the row.
    const std::optional<CPoint> click = ClickOfKey(nChar);
    if (!click || (nFlags & KF_REPEAT) != 0) {
        Default();
        return;
    }
    OnLButtonUp(0, *click);
}
