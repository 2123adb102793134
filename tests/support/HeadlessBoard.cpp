#include "tests/support/HeadlessBoard.h"

HeadlessBoard::HeadlessBoard()
{
    platform.CreateWindow(view);
    doc.AddView(&view);
}
