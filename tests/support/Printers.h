// Lets GoogleTest print the framework's strings in failure messages.
#pragma once

#include "afx/CString.h"

#include <ostream>

void PrintTo(const CString& text, std::ostream* out);
