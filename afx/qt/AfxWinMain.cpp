// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry point on Qt: the backend stands in for the platform while the framework
// runs the program.
#include "afx/CWinApp.h"
#include "afx/Platform.h"
#include "afx/qt/QtPlatform.h"

int AfxWinMain(int argc, char* argv[], const afx::ResourceBundle& resources)
{
    afx::qt::QtPlatform platform(argc, argv);
    afx::SetPlatform(&platform);
    const int exitCode = afx::RunProgram(argc, argv, resources);
    afx::SetPlatform(nullptr);
    return exitCode;
}
