// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's message box: modal, with the program's title as its caption.
#pragma once

#include "afx/CString.h"
#include "afx/WinTypes.h"

// Shows `text` in a modal box of `nType` (MB_OK, optionally with an MB_ICON* flag) and returns
// the id of the button that closed it, once the user has closed it. `nIDHelp` is the box's
// help context. Without a platform nothing is shown and 0 comes back.
int AfxMessageBox(const CString& text, UINT nType = MB_OK, UINT nIDHelp = 0);
