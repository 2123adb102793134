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

const std::string kHelp = "Usage: zintra_win [--seed N]\n"
                          "A card game for 2 to 5 players who share one screen and one mouse.\n\n"
                          "  --seed N    deal every game of this run from shuffle seed N\n"
                          "              (0 to 4294967295), so that the run can be repeated\n"
                          "  --help      show this help and exit\n"
                          "  --version   show the version and exit\n";

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

} // namespace
