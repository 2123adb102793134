// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "afx/AfxRes.h"
#include "afx/Resources.h"
#include "app/QuotedArgument.h"

#include <cerrno>
#include <charconv>
#include <ostream>
#include <string_view>
#include <system_error>

namespace {

// The program's own texts are ASCII.
std::string Ascii(const wchar_t* text)
{
    std::string narrow;
    for (const wchar_t* ch = text; ch != nullptr && *ch != 0; ++ch) {
        narrow += static_cast<char>(*ch);
    }
    return narrow;
}

std::optional<unsigned> ParseSeed(std::wstring_view text)
{
    // Digits only: from_chars would also take a sign, and the wide text anything at all.
    std::string digits;
    for (const wchar_t ch : text) {
        if (ch < L'0' || ch > L'9') {
            return std::nullopt;
        }
        digits += static_cast<char>(ch);
    }
    unsigned seed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), seed);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return seed;
}

constexpr const char* kSeedNeedsNumber = "--seed needs a whole number from 0 to 4294967295";

} // namespace

void CZintra_winCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast)
{
    if (m_request == Request::Error) {
        return; // the first error is the one reported
    }
    const std::wstring_view param(pszParam);
    if (m_expectSeed) {
        m_expectSeed = false;
        m_seed = bFlag == FALSE ? ParseSeed(param) : std::nullopt;
        if (!m_seed) {
            Fail(kSeedNeedsNumber);
        }
        return;
    }
    constexpr std::wstring_view kSeedIs = L"-seed=";
    if (bFlag != FALSE && param == L"-seed") {
        m_expectSeed = true;
        if (bLast != FALSE) {
            Fail(kSeedNeedsNumber);
        }
    } else if (bFlag != FALSE && param.starts_with(kSeedIs)) {
        m_seed = ParseSeed(param.substr(kSeedIs.size()));
        if (!m_seed) {
            Fail(kSeedNeedsNumber);
        }
    } else if (bFlag != FALSE && (param == L"-help" || param == L"h")) {
        m_request = Request::Help;
    } else if (bFlag != FALSE && param == L"-version") {
        if (m_request != Request::Help) {
            m_request = Request::Version;
        }
    } else {
        const std::wstring given = (bFlag != FALSE ? L"-" : L"") + std::wstring(param);
        Fail("unknown argument " + QuoteArgument(given));
    }
}

void CZintra_winCommandLineInfo::Fail(std::string message)
{
    m_request = Request::Error;
    m_error = std::move(message);
}

int CZintra_winCommandLineInfo::Answer(const wchar_t* programName, std::ostream& out,
                                       std::ostream& err) const
{
    const std::string name = Ascii(programName);
    errno = 0; // what failed, should writing fail
    switch (m_request) {
    case Request::Help:
        out << "Usage: " << name << " [--seed N]\n"
            << "A card game for 2 to 5 players who share one screen and one mouse.\n\n"
            << "  --seed N    deal every game of this run from shuffle seed N\n"
            << "              (0 to 4294967295), so that the run can be repeated\n"
            << "  --help      show this help and exit\n"
            << "  --version   show the version and exit\n";
        break;
    case Request::Version:
        out << Ascii(afx::FindString(AFX_IDS_APP_TITLE)) << ' '
            << Ascii(afx::FindVersionString(L"ProductVersion")) << '\n';
        break;
    case Request::Error:
        err << name << ": " << m_error << "\nTry '" << name << " --help' for more information.\n";
        return 2;
    case Request::Play:
        return 0;
    }
    // Output that never arrives (stdout closed, a full disk) is a failure like any other; the
    // stream only knows once it has tried to write it all out.
    out.flush();
    if (!out) {
        const int error = errno;
        err << name << ": write error"
            << (error != 0 ? ": " + std::generic_category().message(error) : std::string()) << '\n';
        return 1;
    }
    return 0;
}
