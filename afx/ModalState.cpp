// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/ModalState.h"

namespace afx {

namespace {
int g_openBoxes = 0; // everything runs on the one user-interface thread
} // namespace

bool InModalState()
{
    return g_openBoxes > 0;
}

ModalScope::ModalScope()
{
    ++g_openBoxes;
}

ModalScope::~ModalScope()
{
    --g_openBoxes;
}

} // namespace afx
