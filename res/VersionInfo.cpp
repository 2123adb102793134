// The version information: version 1.0.0.1 and the string block of language 0x0409, code page
// 1252. The file names are those the version block has always given, kept verbatim.
#include "res/ResourceTables.h"

namespace {

constexpr afx::VersionString VERSION_STRINGS[] = {
    {L"FileDescription", L"Win 32 exe"},  {L"FileVersion", L"1.0.0.1"},
    {L"InternalName", L"Zintra_win.exe"}, {L"OriginalFilename", L"Zintra_win.exe"},
    {L"ProductName", L"Zintra"},          {L"ProductVersion", L"1.0.0.1"},
};

} // namespace

namespace res::detail {

constinit const afx::VersionInfoResource VERSION_INFO{
    {1, 0, 0, 1},
    {1, 0, 0, 1},
    VERSION_STRINGS,
};

} // namespace res::detail
