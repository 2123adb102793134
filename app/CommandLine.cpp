// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "afx/AfxRes.h"
#include "afx/Resources.h"

#include <charconv>
#include <ostream>

namespace {

// The program's own texts are ASCII; anything else in an argument is shown as '?'.
std::string Narrow(std::wstring_view text)
{
    std::string narrow;
    for (const wchar_t ch : text) {
        narrow += ch >= 0x20 && ch < 0x7F ? static_cast<char>(ch) : '?';
    }
    return narrow;
}

std::string ResourceText(const wchar_t* text)
{
    return text != nullptr ? Narrow(text) : std::string();
}

std::optional<unsigned> ParseSeed(std::string_view text)
{
    unsigned seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
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
    const std::string param = Narrow(pszParam);
    if (m_expectSeed) {
        m_expectSeed = false;
        m_seed = bFlag == FALSE ? ParseSeed(param) : std::nullopt;
        if (!m_seed) {
            Fail(kSeedNeedsNumber);
        }
        return;
    }
    const std::string shown = (bFlag != FALSE ? "-" : "") + param;
    if (bFlag != FALSE && param == "-seed") {
        m_expectSeed = true;
        if (bLast != FALSE) {
            Fail(kSeedNeedsNumber);
        }
    } else if (bFlag != FALSE && param.starts_with("-seed=")) {
        m_seed = ParseSeed(std::string_view(param).substr(6));
        if (!m_seed) {
            Fail(kSeedNeedsNumber);
        }
    } else if (bFlag != FALSE && (param == "-help" || param == "h")) {
        m_request = Request::Help;
    } else if (bFlag != FALSE && param == "-version") {
        if (m_request != Request::Help) {
            m_request = Request::Version;
        }
    } else {
        Fail("unknown argument '" + shown + "'");
    }
}

void CZintra_winCommandLineInfo::Fail(std::string message)
{
    m_request = Request::Error;
    m_error = std::move(message);
}

int CZintra_winCommandLineInfo::Answer(const std::string& command, std::ostream& out,
                                       std::ostream& err) const
{
    const std::string name = ResourceText(afx::FindString(AFX_IDS_APP_TITLE));
    switch (m_request) {
    case Request::Help:
        out << "Usage: " << command << " [--seed N]\n"
            << "A card game for 2 to 5 players who share one screen and one mouse.\n\n"
            << "  --seed N    deal every game of this run from shuffle seed N\n"
            << "              (0 to 4294967295), so that the run can be repeated\n"
            << "  --help      show this help and exit\n"
            << "  --version   show the version and exit\n";
        return 0;
    case Request::Version:
        out << name << ' ' << ResourceText(afx::FindVersionString(L"ProductVersion")) << '\n';
        return 0;
    case Request::Error:
        err << command << ": " << m_error << "\nTry '" << command
            << " --help' for more information.\n";
        return 2;
    case Request::Play:
        break;
    }
    return 0;
}
