// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/HeadlessBoard.h"

HeadlessBoard::HeadlessBoard()
{
    platform.CreateWindow(view);
    doc.AddView(&view);
}
