// SPDX-License-Identifier: GPL-3.0-or-later
// Lets GoogleTest print the framework's strings in failure messages.
#pragma once

#include "afx/CDC.h"
#include "afx/CString.h"

#include <ostream>

void PrintTo(const CString& text, std::ostream* out);
void PrintTo(const CDC::TextItem& item, std::ostream* out);
