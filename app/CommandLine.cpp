// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "afx/AfxRes.h"
#include "afx/Resources.h"
#include "app/QuotedArgument.h"

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <charconv>
#include <iterator>
#include <ostream>
#include <string_view>
#include <system_error>
#include <utility>

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

// `text` narrowed, when every character of it lies between `first` and `last` (ASCII).
std::optional<std::string> NarrowWithin(std::wstring_view text, wchar_t first, wchar_t last)
{
    std::string narrow;
    for (const wchar_t ch : text) {
        if (ch < first || ch > last) {
            return std::nullopt;
        }
        narrow += static_cast<char>(ch);
    }
    return narrow;
}

// A whole number written in ASCII digits alone, that fits in an unsigned.
std::optional<unsigned> ParseNumber(std::wstring_view text)
{
    // Digits only: from_chars would also take a sign, and the wide text anything at all.
    const std::optional<std::string> narrow = NarrowWithin(text, L'0', L'9');
    if (!narrow) {
        return std::nullopt;
    }
    const std::string& digits = *narrow;
    unsigned number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number;
}

// Seat numbers as the board shows them, 1 to 5: single seats and ranges, separated by commas
// ("2-5", "2,4", "1-2,5").
std::optional<std::bitset<MAX_PLAYERS>> ParseSeats(std::wstring_view text)
{
    const auto seatOf = [](wchar_t ch) -> std::optional<int> {
        if (ch < L'1' || ch >= L'1' + MAX_PLAYERS) {
            return std::nullopt;
        }
        return static_cast<int>(ch - L'1');
    };
    std::bitset<MAX_PLAYERS> seats;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(L',', start), text.size());
        const std::wstring_view item = text.substr(start, comma - start);
        const std::optional<int> first = item.empty() ? std::nullopt : seatOf(item.front());
        const std::optional<int> last = item.size() == 1                      ? first
                                        : item.size() == 3 && item[1] == L'-' ? seatOf(item[2])
                                                                              : std::nullopt;
        if (!first || !last || *first > *last) {
            return std::nullopt;
        }
        for (int seat = *first; seat <= *last; ++seat) {
            seats.set(static_cast<std::size_t>(seat));
        }
        start = comma + 1;
    }
    return seats;
}

// The levels a person may play against; the random player is only a yardstick.
std::optional<Level> ParseOpponentLevel(std::wstring_view text)
{
    const std::optional<std::string> name = NarrowWithin(text, L'a', L'z');
    const std::optional<Level> level = name ? ParseLevel(*name) : std::nullopt;
    return level == Level::Random ? std::nullopt : level;
}

constexpr const char* kSeedNeedsNumber = "--seed needs a whole number from 0 to 4294967295";

// What an option needs, for its error message.
std::string Needs(CZintra_winCommandLineInfo::Valued option)
{
    using Valued = CZintra_winCommandLineInfo::Valued;
    switch (option) {
    case Valued::Computer:
        return "--computer needs seat numbers from 1 to 5, such as 2-5 or 2,4";
    case Valued::Level:
        return "--level needs easy, normal or hard";
    case Valued::Pace:
        return "--pace needs a whole number of milliseconds from 0 to " +
               std::to_string(ComputerPlayers::MAX_PACE);
    case Valued::Seed:
    case Valued::None:
        break;
    }
    return kSeedNeedsNumber;
}

struct ValuedOption {
    std::wstring_view name; // as ParseParam gets it, without its first dash
    CZintra_winCommandLineInfo::Valued option;
};

constexpr ValuedOption kValuedOptions[] = {
    {L"-seed", CZintra_winCommandLineInfo::Valued::Seed},
    {L"-computer", CZintra_winCommandLineInfo::Valued::Computer},
    {L"-level", CZintra_winCommandLineInfo::Valued::Level},
    {L"-pace", CZintra_winCommandLineInfo::Valued::Pace},
};

} // namespace

void CZintra_winCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast)
{
    if (m_request == Request::Error) {
        return; // the first error is the one reported
    }
    const std::wstring_view param(pszParam);
    if (m_expecting != Valued::None) {
        const Valued option = std::exchange(m_expecting, Valued::None);
        TakeValue(option, bFlag == FALSE ? std::optional(param) : std::nullopt);
        return;
    }
    if (bFlag != FALSE && ParseValuedOption(param, bLast)) {
        return;
    }
    if (bFlag != FALSE && (param == L"-help" || param == L"h")) {
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

bool CZintra_winCommandLineInfo::ParseValuedOption(std::wstring_view param, BOOL bLast)
{
    const auto* named = std::ranges::find_if(kValuedOptions, [param](const ValuedOption& valued) {
        return param.starts_with(valued.name) &&
               (param.size() == valued.name.size() || param[valued.name.size()] == L'=');
    });
    if (named == std::end(kValuedOptions)) {
        return false;
    }
    if (param.size() > named->name.size()) {
        TakeValue(named->option, param.substr(named->name.size() + 1));
    } else {
        m_expecting = named->option;
        if (bLast != FALSE) {
            Fail(Needs(named->option));
        }
    }
    return true;
}

void CZintra_winCommandLineInfo::TakeValue(Valued option, std::optional<std::wstring_view> value)
{
    bool taken = false;
    if (value) {
        switch (option) {
        case Valued::Seed:
            m_seed = ParseNumber(*value);
            taken = m_seed.has_value();
            break;
        case Valued::Computer:
            if (const auto seats = ParseSeats(*value)) {
                m_computers.seats = *seats;
                taken = true;
            }
            break;
        case Valued::Level:
            if (const std::optional<Level> level = ParseOpponentLevel(*value)) {
                m_computers.level = *level;
                taken = true;
            }
            break;
        case Valued::Pace:
            if (const std::optional<unsigned> pace = ParseNumber(*value);
                pace && *pace <= ComputerPlayers::MAX_PACE) {
                m_computers.pace = *pace;
                taken = true;
            }
            break;
        case Valued::None:
            break;
        }
    }
    if (taken) {
        return;
    }
    // The seed's message has always been enough on its own; the others show what they got.
    if (option == Valued::Seed || !value) {
        Fail(Needs(option));
    } else {
        Fail(Needs(option) + ", not " + QuoteArgument(*value));
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
        out << "Usage: " << name << " [--seed N] [--computer SEATS] [--level LEVEL] [--pace MS]\n"
            << "A card game for 2 to 5 players who share one screen and one mouse.\n\n"
            << "  --seed N          deal every game of this run from shuffle seed N\n"
            << "                    (0 to 4294967295), so that the run can be repeated\n"
            << "  --computer SEATS  let the computer play these seats, numbered as on the\n"
            << "                    board: 2-5, 2,4 or 1-2,5 (seats beyond the players\n"
            << "                    are left out)\n"
            << "  --level LEVEL     how well the computer plays: easy, normal (the\n"
            << "                    default) or hard\n"
            << "  --pace MS         wait MS milliseconds before each computer move\n"
            << "                    (0 to " << ComputerPlayers::MAX_PACE << ", "
            << ComputerPlayers::DEFAULT_PACE << " by default)\n"
            << "  --help            show this help and exit\n"
            << "  --version         show the version and exit\n";
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
