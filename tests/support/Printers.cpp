// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Printers.h"

void PrintTo(const CString& text, std::ostream* out)
{
    *out << "L\"";
    for (const wchar_t* character = text.GetString(); *character != L'\0'; ++character) {
        const auto code = static_cast<unsigned long>(*character);
        if (code == '\n') {
            *out << "\\n";
        } else if (code >= 0x20 && code < 0x7F) {
            *out << static_cast<char>(code);
        } else {
            *out << "\\x{" << std::hex << code << std::dec << '}';
        }
    }
    *out << '"';
}

void PrintTo(const CDC::TextItem& item, std::ostream* out)
{
    *out << '(' << item.x << ", " << item.y << ") ";
    PrintTo(item.text, out);
}
