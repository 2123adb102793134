// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, answered before any window opens: help and the version on stdout, and for
// anything else one error line that shows the argument safely, then a pointer to --help.
#include "app/CommandLine.h"

#include "res/Version.h"
#include "tests/app/ProgramFixture.h"

#include <gmock/gmock.h>

#include <cerrno>
#include <sstream>
#include <streambuf>

using testing::IsEmpty;

namespace {

const std::string kHelp =
    "Usage: zintra_win [--seed N] [--computer SEATS] [--level LEVEL] [--pace MS]\n"
    "A card game for 2 to 5 players who share one screen and one mouse.\n\n"
    "  --seed N          deal every game of this run from shuffle seed N\n"
    "                    (0 to 4294967295), so that the run can be repeated\n"
    "  --computer SEATS  let the computer play these seats, numbered as on the\n"
    "                    board: 2-5, 2,4 or 1-2,5 (seats beyond the players\n"
    "                    are left out)\n"
    "  --level LEVEL     how well the computer plays: easy, normal (the\n"
    "                    default) or hard\n"
    "  --pace MS         wait MS milliseconds before each computer move\n"
    "                    (0 to 10000, 700 by default)\n"
    "  --help            show this help and exit\n"
    "  --version         show the version and exit\n";

std::string VersionLine()
{
    const std::wstring version = res::kVersionText;
    return "Zintra_win " + std::string(version.begin(), version.end()) + "\n";
}

// What a bad command line writes to stderr: the reason, then where to look.
std::string ErrorLines(const std::string& reason)
{
    return "zintra_win: " + reason + "\nTry 'zintra_win --help' for more information.\n";
}

const std::string kSeedNeedsNumber = "--seed needs a whole number from 0 to 4294967295";
const std::string kComputerNeedsSeats =
    "--computer needs seat numbers from 1 to 5, such as 2-5 or 2,4";
const std::string kLevelNeedsName = "--level needs easy, normal or hard";
const std::string kPaceNeedsNumber = "--pace needs a whole number of milliseconds from 0 to 10000";

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string out;
    std::string err;
    // The file the program was started from, as argv[0] names it.
    std::string startedAs = "zintra_win";
};

const Case kCases[] = {
    {"Help", {"--help"}, 0, kHelp, ""},
    {"ShortHelp", {"-h"}, 0, kHelp, ""},
    {"HelpOutranksVersion", {"--version", "--help"}, 0, kHelp, ""},
    {"Version", {"--version"}, 0, VersionLine(), ""},
    {"VersionAfterASeed", {"--seed", "3", "--version"}, 0, VersionLine(), ""},
    {"UnknownFlag", {"--colour"}, 2, "", ErrorLines("unknown argument '--colour'")},
    {"FileName", {"game.txt"}, 2, "", ErrorLines("unknown argument 'game.txt'")},
    {"LoneDash", {"-"}, 2, "", ErrorLines("unknown argument '-'")},
    {"EmptyArgument", {""}, 2, "", ErrorLines("unknown argument ''")},
    {"ErrorAfterHelp", {"--help", "--what"}, 2, "", ErrorLines("unknown argument '--what'")},
    {"FirstErrorCounts", {"--a", "--b"}, 2, "", ErrorLines("unknown argument '--a'")},
    {"SeedAtTheEnd", {"--seed"}, 2, "", ErrorLines(kSeedNeedsNumber)},
    {"SeedOfWords", {"--seed", "many"}, 2, "", ErrorLines(kSeedNeedsNumber)},
    {"NegativeSeed", {"--seed", "-1"}, 2, "", ErrorLines(kSeedNeedsNumber)},
    {"SignedSeed", {"--seed=+5"}, 2, "", ErrorLines(kSeedNeedsNumber)},
    {"SeedTooLarge", {"--seed=4294967296"}, 2, "", ErrorLines(kSeedNeedsNumber)},
    {"SeedOfOtherDigits", {"--seed", "\xD9\xA3"}, 2, "", ErrorLines(kSeedNeedsNumber)},
    {"ComputerOptionsThenVersion",
     {"--computer", "2-5", "--level=hard", "--pace", "0", "--version"},
     0,
     VersionLine(),
     ""},
    {"ComputerOptionsThenHelp", {"--computer=1-2,5", "--pace=10000", "-h"}, 0, kHelp, ""},
    {"ComputerAtTheEnd", {"--computer"}, 2, "", ErrorLines(kComputerNeedsSeats)},
    {"ComputerBeforeAnotherOption",
     {"--computer", "--level", "easy"},
     2,
     "",
     ErrorLines(kComputerNeedsSeats)},
    {"SeatSix", {"--computer", "2-6"}, 2, "", ErrorLines(kComputerNeedsSeats + ", not '2-6'")},
    {"SeatNought", {"--computer=0"}, 2, "", ErrorLines(kComputerNeedsSeats + ", not '0'")},
    {"SeatsBackwards", {"--computer=4-2"}, 2, "", ErrorLines(kComputerNeedsSeats + ", not '4-2'")},
    {"SeatsWithAnEmptyItem",
     {"--computer", "2,,4"},
     2,
     "",
     ErrorLines(kComputerNeedsSeats + ", not '2,,4'")},
    {"SeatsWithSpaces",
     {"--computer", "2, 4"},
     2,
     "",
     ErrorLines(kComputerNeedsSeats + ", not '2, 4'")},
    {"NoSeats", {"--computer="}, 2, "", ErrorLines(kComputerNeedsSeats + ", not ''")},
    {"SeatsOfControlCharacters",
     {"--computer=2\n5"},
     2,
     "",
     ErrorLines(kComputerNeedsSeats + R"(, not '2\n5')")},
    {"LevelAtTheEnd", {"--level"}, 2, "", ErrorLines(kLevelNeedsName)},
    {"UnknownLevel", {"--level", "expert"}, 2, "", ErrorLines(kLevelNeedsName + ", not 'expert'")},
    {"LevelInCapitals", {"--level=Hard"}, 2, "", ErrorLines(kLevelNeedsName + ", not 'Hard'")},
    {"RandomIsNoLevelToPlay",
     {"--level=random"},
     2,
     "",
     ErrorLines(kLevelNeedsName + ", not 'random'")},
    {"PaceAtTheEnd", {"--pace"}, 2, "", ErrorLines(kPaceNeedsNumber)},
    {"NegativePace", {"--pace", "-5"}, 2, "", ErrorLines(kPaceNeedsNumber)},
    {"PaceTooLong", {"--pace=10001"}, 2, "", ErrorLines(kPaceNeedsNumber + ", not '10001'")},
    {"PaceInSeconds", {"--pace=1s"}, 2, "", ErrorLines(kPaceNeedsNumber + ", not '1s'")},
    {"PaceBeyondAnyNumber",
     {"--pace=99999999999999999999"},
     2,
     "",
     ErrorLines(kPaceNeedsNumber + ", not '99999999999999999999'")},
    {"ControlCharacters",
     {"--a\nb\tc\rd\x1b[31m\x7f"},
     2,
     "",
     ErrorLines(R"(unknown argument '--a\nb\tc\rd\x1b[31m\x7f')")},
    {"BytesThatAreNotUtf8",
     {"--\xff\xc3(\xe2\x82"},
     2,
     "",
     ErrorLines(R"(unknown argument '--\xff\xc3(\xe2\x82')")},
    {"OverlongAndSurrogateBytes",
     {"\xc0\xaf\xed\xa0\x80"},
     2,
     "",
     ErrorLines(R"(unknown argument '\xc0\xaf\xed\xa0\x80')")},
    {"OtherScriptsShowAsTheyAre",
     {"--farbe\xcc\x81-\xe8\x89\xb2"},
     2,
     "",
     ErrorLines("unknown argument '--farbe\xcc\x81-\xe8\x89\xb2'")},
    {"InvisibleCharacters",
     {"--\xe2\x80\xae"
      "gnp.exe\xc2\x85\xe2\x80\xa8"},
     2,
     "",
     ErrorLines(R"(unknown argument '--\u202egnp.exe\u0085\u2028')")},
    {"QuotesAndBackslashes", {"--it's\\n"}, 2, "", ErrorLines(R"(unknown argument '--it\'s\\n')")},
    {"EightyCharactersShowWhole",
     {"--" + std::string(78, 'x')},
     2,
     "",
     ErrorLines("unknown argument '--" + std::string(78, 'x') + "'")},
    {"LongerIsCutWithAnEllipsis",
     {"--" + std::string(79, 'x')},
     2,
     "",
     ErrorLines("unknown argument '--" + std::string(77, 'x') + "\u2026'")},
    {"EscapesAreCutWhole",
     {std::string(50, '\n')},
     2,
     "",
     ErrorLines("unknown argument '" +
                [] {
                    std::string shown;
                    for (int i = 0; i < 39; ++i) {
                        shown += "\\n";
                    }
                    return shown;
                }() +
                "\u2026'")},
    {"AnyOtherFileNameOfTheProgram",
     {"--what"},
     2,
     "",
     ErrorLines("unknown argument '--what'"),
     "/opt/games/Zintra-Win.old\n"},
    {"HelpUnderAnyOtherFileName", {"-h"}, 0, kHelp, "", "./zw"},
};

void PrintTo(const Case& test, std::ostream* out)
{
    *out << test.name;
}

class CommandLineTest : public ProgramTest, public testing::WithParamInterface<Case> {};

TEST_P(CommandLineTest, IsAnsweredBeforeAnyWindowOpens)
{
    const Case& test = GetParam();
    ChoosePlayers(2);
    startedAs = test.startedAs;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int exitCode = Run(test.arguments, [] { ADD_FAILURE() << "the loop ran"; });
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(exitCode, test.exitCode);
    EXPECT_EQ(out, test.out);
    EXPECT_EQ(err, test.err);
    EXPECT_THAT(dialogsShown, IsEmpty());
    EXPECT_EQ(platform.WindowCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) {
                             return std::string(param.param.name);
                         });

// A stream whose every write fails as a write to a full disk does.
class FullDisk : public std::streambuf {
protected:
    int overflow(int /*ch*/) override
    {
        errno = ENOSPC;
        return traits_type::eof();
    }
};

TEST(CommandLineAnswer, HelpOrVersionThatCannotBeWrittenIsAFailureSaidOnStderr)
{
    for (const char* request : {"-help", "-version"}) {
        CZintra_winCommandLineInfo info;
        info.ParseParam(CString(request), TRUE, TRUE);
        FullDisk full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(info.Answer(L"zintra_win", out, err), 1) << request;
        EXPECT_EQ(err.str(), "zintra_win: write error: No space left on device\n") << request;
    }
}

// What the computer options set, read as the framework hands the arguments over.
struct ComputerCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string seats; // seat numbers as on the board
    Level level;
    UINT pace;
};

const ComputerCase kComputerCases[] = {
    {"NoneByDefault", {}, "", Level::Normal, 700},
    {"ARange", {"--computer", "2-5"}, "2345", Level::Normal, 700},
    {"AList", {"--computer=2,4"}, "24", Level::Normal, 700},
    {"RangesAndSeats", {"--computer", "1-2,5"}, "125", Level::Normal, 700},
    {"OverlapsCountOnce", {"--computer", "2-4,3,3-3"}, "234", Level::Normal, 700},
    {"EverySeat", {"--computer=1-5"}, "12345", Level::Normal, 700},
    {"Easy", {"--computer", "2", "--level", "easy"}, "2", Level::Easy, 700},
    {"HardBeforeTheSeats", {"--level=hard", "--computer=3"}, "3", Level::Hard, 700},
    {"NoPause", {"--computer", "2", "--pace", "0"}, "2", Level::Normal, 0},
    {"TheLongestPause", {"--pace=10000", "--computer", "5"}, "5", Level::Normal, 10000},
    {"TheLastOfTwoLevels", {"--level=easy", "--level=hard"}, "", Level::Hard, 700},
    {"WithASeed", {"--seed", "9", "--computer", "2-3"}, "23", Level::Normal, 700},
};

void PrintTo(const ComputerCase& test, std::ostream* out)
{
    *out << test.name;
}

class ComputerOptionsTest : public testing::TestWithParam<ComputerCase> {};

TEST_P(ComputerOptionsTest, SetTheSeatsLevelAndPace)
{
    const ComputerCase& test = GetParam();
    CZintra_winCommandLineInfo info;
    for (std::size_t at = 0; at < test.arguments.size(); ++at) {
        const std::string& argument = test.arguments[at];
        const bool flag = argument.size() > 1 && argument.front() == '-';
        info.ParseParam(CString((flag ? argument.substr(1) : argument).c_str()),
                        flag ? TRUE : FALSE, at + 1 == test.arguments.size() ? TRUE : FALSE);
    }
    ASSERT_EQ(info.m_request, CZintra_winCommandLineInfo::Request::Play);
    std::string seats;
    for (std::size_t seat = 0; seat < info.m_computers.seats.size(); ++seat) {
        if (info.m_computers.seats.test(seat)) {
            seats += static_cast<char>('1' + seat);
        }
    }
    EXPECT_EQ(seats, test.seats);
    EXPECT_EQ(info.m_computers.level, test.level);
    EXPECT_EQ(info.m_computers.pace, test.pace);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComputerOptionsTest, testing::ValuesIn(kComputerCases),
                         [](const testing::TestParamInfo<ComputerCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
