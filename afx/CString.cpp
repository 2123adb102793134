// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CString.h"

#include "afx/Resources.h"

#include <cstddef>
#include <cwchar>

namespace {

constexpr wchar_t kReplacementCharacter = 0xFFFD;

// Decodes UTF-8; each byte of a malformed sequence becomes what `badByte` makes of it.
template <typename BadByte>
std::wstring WidenUtf8(const char* narrow, BadByte badByte)
{
    std::wstring wide;
    const auto* bytes = reinterpret_cast<const unsigned char*>(narrow);
    while (*bytes != 0) {
        const unsigned lead = *bytes++;
        if (lead < 0x80) {
            wide.push_back(static_cast<wchar_t>(lead));
            continue;
        }
        int trailing = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if ((lead & 0xE0U) == 0xC0U) {
            trailing = 1, code = lead & 0x1FU, smallest = 0x80;
        } else if ((lead & 0xF0U) == 0xE0U) {
            trailing = 2, code = lead & 0x0FU, smallest = 0x800;
        } else if ((lead & 0xF8U) == 0xF0U) {
            trailing = 3, code = lead & 0x07U, smallest = 0x10000;
        } else {
            wide.push_back(badByte(lead));
            continue;
        }
        int read = 0;
        while (read < trailing && (bytes[read] & 0xC0U) == 0x80U) {
            code = (code << 6U) | (bytes[read] & 0x3FU);
            ++read;
        }
        // Overlong forms, surrogates and values past Unicode's range are not characters.
        const bool valid = read == trailing && code >= smallest && code <= 0x10FFFF &&
                           (code < 0xD800 || code > 0xDFFF);
        if (valid) {
            wide.push_back(static_cast<wchar_t>(code));
            bytes += read;
        } else {
            wide.push_back(badByte(lead));
        }
    }
    return wide;
}

wchar_t ReplacementCharacter(unsigned /*byte*/)
{
    return kReplacementCharacter;
}

// vswprintf reports truncation and malformed formats alike with -1, so growth stops here.
constexpr std::size_t kLargestFormattedText = std::size_t{1} << 20;

} // namespace

CString::CString(const char* narrow)
    : m_text(narrow != nullptr ? WidenUtf8(narrow, ReplacementCharacter) : std::wstring())
{}

CString::CString(const wchar_t* wide)
    : m_text(wide != nullptr ? wide : L"")
{}

CString::CString(std::wstring_view wide)
    : m_text(wide)
{}

std::wstring afx::WidenKeepingBytes(const char* narrow)
{
    // Python's "surrogateescape": lone low surrogates are never characters, so they cannot be
    // mistaken for anything the text really held.
    return WidenUtf8(narrow, [](unsigned byte) { return static_cast<wchar_t>(0xDC00U + byte); });
}

void CString::Format(const wchar_t* format, ...)
{
    m_text.clear();
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::AppendFormatV(const wchar_t* format, va_list args)
{
    if (format == nullptr) {
        return;
    }
    std::wstring buffer(64, L'\0');
    for (;;) {
        va_list attempt;
        va_copy(attempt, args);
        const int written = std::vswprintf(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (written >= 0) {
            m_text.append(buffer.data(), static_cast<std::size_t>(written));
            return;
        }
        if (buffer.size() >= kLargestFormattedText) {
            return;
        }
        buffer.resize(buffer.size() * 2);
    }
}

CString& CString::operator+=(const CString& other)
{
    m_text += other.m_text;
    return *this;
}

BOOL CString::LoadString(unsigned int nID)
{
    const wchar_t* text = afx::FindString(nID);
    m_text = text != nullptr ? text : L"";
    return text != nullptr ? TRUE : FALSE;
}
