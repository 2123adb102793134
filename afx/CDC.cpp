// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CDC.h"

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    m_items.push_back({x, y, text});
    return TRUE;
}
