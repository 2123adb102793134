// SPDX-License-Identifier: GPL-3.0-or-later
// What the real program writes when it has no display, and when its answer cannot be written.
#include "tests/cli/ProgramRun.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    Stdout stdoutGoesTo;
    int exitCode;
    std::string err;
};

void PrintTo(const Case& test, std::ostream* out)
{
    *out << test.name;
}

const std::string kNoDisplay = "zintra_win: no display (DISPLAY is not set)\n";
const std::string kFullDisk = "zintra_win: write error: No space left on device\n";

const Case kCases[] = {
    {"NoDisplay", {}, Stdout::Captured, 1, kNoDisplay},
    {"NoDisplayForASeededRun", {"--seed=12"}, Stdout::Captured, 1, kNoDisplay},
    {"HelpToAFullDisk", {"--help"}, Stdout::FullDisk, 1, kFullDisk},
    {"VersionToAFullDisk", {"--version"}, Stdout::FullDisk, 1, kFullDisk},
    {"HelpWithStdoutClosed",
     {"-h"},
     Stdout::Closed,
     1,
     "zintra_win: write error: Bad file descriptor\n"},
    // Nothing goes to stdout, so where it goes does not matter.
    {"ErrorWithStdoutClosed",
     {"--what"},
     Stdout::Closed,
     2,
     "zintra_win: unknown argument '--what'\nTry 'zintra_win --help' for more information.\n"},
};

class OutputTest : public testing::TestWithParam<Case> {};

TEST_P(OutputTest, SaysWhatWentWrongInOneLineAndExitsWithItsStatus)
{
    const Case& test = GetParam();
    const ProgramOutcome outcome = RunProgram(test.arguments, test.stdoutGoesTo);
    EXPECT_EQ(outcome.exitCode, std::optional<int>(test.exitCode));
    EXPECT_EQ(outcome.err, test.err);
    EXPECT_EQ(outcome.out, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
