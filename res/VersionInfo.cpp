// SPDX-License-Identifier: GPL-3.0-or-later
// The version information: the program's version (res/Version.h.in) and the string block of
// language 0x0409, code page 1252. The file names are those the version block has always given,
// kept verbatim.
#include "res/ResourceTables.h"
#include "res/Version.h"

namespace {

constexpr afx::VersionString VERSION_STRINGS[] = {
    {L"FileDescription", L"Win 32 exe"},  {L"FileVersion", res::kVersionText},
    {L"InternalName", L"Zintra_win.exe"}, {L"OriginalFilename", L"Zintra_win.exe"},
    {L"ProductName", L"Zintra"},          {L"ProductVersion", res::kVersionText},
};

} // namespace

namespace res::detail {

constinit const afx::VersionInfoResource VERSION_INFO{
    {res::kVersionMajor, res::kVersionMinor, res::kVersionPatch, res::kVersionTweak},
    {res::kVersionMajor, res::kVersionMinor, res::kVersionPatch, res::kVersionTweak},
    VERSION_STRINGS,
};

} // namespace res::detail
