// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point: the framework runs the one program object with these resources.
#include "afx/CWinApp.h"
#include "res/Zintra_winResources.h"

int main(int argc, char* argv[])
{
    return AfxWinMain(argc, argv, res::Bundle());
}
