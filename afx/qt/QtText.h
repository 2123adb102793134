// SPDX-License-Identifier: GPL-3.0-or-later
// Text between the framework's strings and Qt's, for the backend's sources.
#pragma once

#include "afx/CString.h"

#include <QString>
#include <string_view>

namespace afx::qt {

// `text` as Qt holds it.
inline QString ToQString(const CString& text)
{
    return QString::fromWCharArray(text.GetString(), text.GetLength());
}

// `text` as Qt holds it; a null pointer gives the empty string.
inline QString ToQString(const wchar_t* text)
{
    return text != nullptr ? QString::fromWCharArray(text) : QString();
}

// `text` as the framework holds it.
inline CString ToCString(const QString& text)
{
    return {std::wstring_view(text.toStdWString())};
}

} // namespace afx::qt
