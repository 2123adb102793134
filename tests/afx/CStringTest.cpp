// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CString.h"

#include "tests/support/Printers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CString, NarrowAsciiWidensCharacterForCharacter)
{
    const CString text("Row #");
    EXPECT_EQ(text, CString(L"Row #"));
    EXPECT_EQ(text.GetLength(), 5);
}

TEST(CString, NarrowTextIsDecodedAsUtf8)
{
    // e-acute (2 bytes), the euro sign (3 bytes), a musical G clef (4 bytes)
    EXPECT_EQ(CString("\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E"), CString(L"\u00E9\u20AC\U0001D11E"));
}

TEST(CString, MalformedUtf8BecomesReplacementCharacters)
{
    EXPECT_EQ(CString("a\xFF!"), CString(L"a\uFFFD!"));       // a byte that starts nothing
    EXPECT_EQ(CString("a\xC3"), CString(L"a\uFFFD"));         // sequence cut off at the end
    EXPECT_EQ(CString("\xC0\xAF"), CString(L"\uFFFD\uFFFD")); // overlong '/'
    EXPECT_EQ(CString("\xED\xA0\x80"), CString(L"\uFFFD\uFFFD\uFFFD")); // a surrogate
}

TEST(CString, NullPointersGiveTheEmptyString)
{
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
}

TEST(CString, FormatReplacesAndAppendFormatAppends)
{
    CString text(L"stale");
    text.Format(CString("Player #%d: %d\n"), 3, -12);
    EXPECT_EQ(text, CString(L"Player #3: -12\n"));

    text.AppendFormat(CString("%d| "), 4);
    EXPECT_EQ(text, CString(L"Player #3: -12\n4| "));
}

TEST(CString, DecimalsHaveNoPaddingAndKeepTheirSign)
{
    CString text;
    text.Format(L"[%d][%d][%d]", 0, -2147483647 - 1, 2147483647);
    EXPECT_EQ(text, CString(L"[0][-2147483648][2147483647]"));
}

TEST(CString, FormatGrowsPastAnySmallBuffer)
{
    const std::wstring longText(5000, L'x');
    CString text;
    text.Format(L"%ls|%d", longText.c_str(), 7);
    EXPECT_EQ(text.GetLength(), 5002);
    EXPECT_EQ(text, CString(longText + L"|7"));
}

TEST(CString, ConcatenationKeepsBothSides)
{
    CString text("Row #");
    text += CString(L"1| ");
    text += CString("  Taken  ");
    EXPECT_EQ(text, CString(L"Row #1|   Taken  "));
}

} // namespace
