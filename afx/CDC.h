// SPDX-License-Identifier: GPL-3.0-or-later
// The device context a window draws into. It records what is drawn rather than drawing it, so
// that drawing never runs inside the toolkit's own paint handling: the backend replays the
// record when the toolkit paints, and tests read it.
#pragma once

#include "afx/CString.h"
#include "afx/WinTypes.h"

#include <vector>

class CDC {
public:
    // One call of TextOut: the text with its top-left corner at (x, y), in client pixels.
    struct TextItem {
        int x = 0;
        int y = 0;
        CString text;

        friend bool operator==(const TextItem&, const TextItem&) = default;
    };

    CDC() = default;

    // Draws `text` with its top-left corner at (x, y), in the context's default font and
    // colours.
    BOOL TextOut(int x, int y, const CString& text);

    // Everything drawn so far, in drawing order.
    const std::vector<TextItem>& GetTextItems() const { return m_items; }

private:
    std::vector<TextItem> m_items;
};
