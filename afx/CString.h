// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's wide-character string: every text the program shows is one.
#pragma once

#include "afx/WinTypes.h"

#include <cstdarg>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    // Narrow text is taken as UTF-8 (on this platform, what narrow literals are written in);
    // ASCII, which is all the program's own narrow literals use, maps one to one.
    // Conversions are implicit, as the framework's are, so literals serve wherever text goes.
    CString(const char* narrow);     // NOLINT(google-explicit-constructor)
    CString(const wchar_t* wide);    // NOLINT(google-explicit-constructor)
    CString(std::wstring_view wide); // NOLINT(google-explicit-constructor)

    // Replaces the contents with `format` filled in as by swprintf. The program's formats
    // use "%d" only; "%s" would take a narrow string here, so wide arguments need "%ls".
    void Format(const wchar_t* format, ...);
    // Appends `format` filled in as by swprintf, leaving the current contents in front.
    void AppendFormat(const wchar_t* format, ...);

    // Replaces the contents with string `nID` of the program's resources; FALSE, and empty
    // contents, when there is no such string.
    BOOL LoadString(unsigned int nID);

    CString& operator+=(const CString& other);
    friend bool operator==(const CString&, const CString&) = default;

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    const wchar_t* GetString() const { return m_text.c_str(); }
    // NOLINTNEXTLINE(google-explicit-constructor)
    operator const wchar_t*() const { return m_text.c_str(); }

private:
    void AppendFormatV(const wchar_t* format, va_list args);

    std::wstring m_text;
};

namespace afx {
// Text from outside the program, such as its command line, decoded as CString decodes UTF-8
// except that each byte of a malformed sequence becomes U+DC00 plus the byte (U+DC80 to
// U+DCFF, lone surrogates, which no decoded character can be): no byte is lost, and the text
// can be shown later as it came.
std::wstring WidenKeepingBytes(const char* narrow);
} // namespace afx
