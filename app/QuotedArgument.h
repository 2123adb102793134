// SPDX-License-Identifier: GPL-3.0-or-later
// How a command-line argument is shown in an error message: in quotes, on one line, short,
// and with everything a terminal would not show as itself written out.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest an argument is shown, in characters between the quotes, the ellipsis included.
inline constexpr std::size_t kLongestShownArgument = 80;

// `argument` (as ParseParam gets it) in single quotes, as UTF-8. A backslash, a quote, line
// breaks, tabs and other control characters, the invisible characters that reorder or join
// text, and the bytes that were not UTF-8 (U+DC80 to U+DCFF, see afx::WidenKeepingBytes) are
// written as C-style escapes: \\, \', \n, \t, \r, \xHH for a byte or an ASCII control
// character, \uHHHH for the rest. What would run past kLongestShownArgument characters is cut
// at a whole character or escape and ends in "…".
std::string QuoteArgument(std::wstring_view argument);
