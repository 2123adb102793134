// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuotedArgument.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kEllipsis = "\u2026";

std::string Hex(unsigned value, int digits)
{
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string hex(static_cast<std::size_t>(digits), '0');
    for (int at = digits - 1; at >= 0; --at, value >>= 4U) {
        hex[static_cast<std::size_t>(at)] = kDigits[value & 0xFU];
    }
    return hex;
}

// Characters a terminal shows as nothing, or acts on: C1 controls, and the marks, joiners,
// line and paragraph separators and embeddings that move or hide the text around them.
bool IsInvisible(char32_t ch)
{
    struct Range {
        char32_t first;
        char32_t last;
    };
    constexpr std::array<Range, 6> kRanges{{{0x80, 0x9F},
                                            {0x200B, 0x200F},
                                            {0x2028, 0x202E},
                                            {0x2060, 0x2069},
                                            {0xFEFF, 0xFEFF},
                                            {0xFFF9, 0xFFFB}}};
    return std::ranges::any_of(
        kRanges, [ch](const Range& range) { return ch >= range.first && ch <= range.last; });
}

void AppendUtf8(std::string& text, char32_t ch)
{
    const auto byte = [&text](char32_t bits) { text.push_back(static_cast<char>(bits)); };
    if (ch < 0x80) {
        byte(ch);
    } else if (ch < 0x800) {
        byte(0xC0U | (ch >> 6U));
        byte(0x80U | (ch & 0x3FU));
    } else if (ch < 0x10000) {
        byte(0xE0U | (ch >> 12U));
        byte(0x80U | ((ch >> 6U) & 0x3FU));
        byte(0x80U | (ch & 0x3FU));
    } else {
        byte(0xF0U | (ch >> 18U));
        byte(0x80U | ((ch >> 12U) & 0x3FU));
        byte(0x80U | ((ch >> 6U) & 0x3FU));
        byte(0x80U | (ch & 0x3FU));
    }
}

// How one character of the argument is shown, and in how many characters.
struct Shown {
    std::string text;
    std::size_t width = 0;
};

Shown Show(wchar_t wide)
{
    const auto ch = static_cast<char32_t>(wide);
    switch (ch) {
    case U'\\':
        return {"\\\\", 2};
    case U'\'':
        return {"\\'", 2};
    case U'\n':
        return {"\\n", 2};
    case U'\t':
        return {"\\t", 2};
    case U'\r':
        return {"\\r", 2};
    default:
        break;
    }
    if (ch >= 0xDC80 && ch <= 0xDCFF) {
        return {"\\x" + Hex(ch - 0xDC00, 2), 4};
    }
    if (ch < 0x20 || ch == 0x7F) {
        return {"\\x" + Hex(ch, 2), 4};
    }
    if (ch > 0x10FFFF) {
        return {"\\U" + Hex(ch, 8), 10};
    }
    if (IsInvisible(ch) || (ch >= 0xD800 && ch <= 0xDFFF)) {
        return {"\\u" + Hex(ch, 4), 6};
    }
    Shown shown;
    AppendUtf8(shown.text, ch);
    shown.width = 1;
    return shown;
}

} // namespace

std::string QuoteArgument(std::wstring_view argument)
{
    std::string shown;
    std::size_t width = 0;
    // Where to cut if the whole does not fit: after the most that leaves room for "…".
    std::size_t cutAt = 0;
    for (const wchar_t ch : argument) {
        const Shown piece = Show(ch);
        if (width + piece.width > kLongestShownArgument) {
            shown.resize(cutAt);
            return "'" + shown + std::string(kEllipsis) + "'";
        }
        shown += piece.text;
        width += piece.width;
        if (width < kLongestShownArgument) {
            cutAt = shown.size();
        }
    }
    return "'" + shown + "'";
}
