// SPDX-License-Identifier: GPL-3.0-or-later
// Hundreds of random command lines given to the real program with no display: whatever they
// hold, the program answers in one of the four ways it knows, and its messages stay clean.
#include "res/Version.h"
#include "tests/cli/ProgramRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <random>

namespace {

constexpr std::uint64_t kSeed = 20261208;
constexpr int kCommandLines = 300;
constexpr std::size_t kRunningAtOnce = 4;

// The words the program knows, and some it nearly knows, as the starting points of arguments.
const std::array<std::string, 24> kWords = {
    "--seed",     "--seed=", "--help", "-h",         "--version",  "-",
    "--",         "",        "0",      "7",          "-1",         "4294967295",
    "4294967296", "/h",      "-seed",  "--seed=3",   "--computer", "2-5",
    "1,3",        "--level", "hard",   "--pace=700", "--pace",     "--computer=2"};

class CommandLines {
public:
    explicit CommandLines(std::uint64_t seed)
        : m_random(seed)
    {}

    std::vector<std::string> Next()
    {
        if (Below(8) == 0) {
            return WellFormed();
        }
        std::vector<std::string> arguments(Below(5));
        for (std::string& argument : arguments) {
            argument = Argument();
        }
        return arguments;
    }

private:
    std::size_t Below(std::size_t bound)
    {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
    }
    // Any byte but NUL, which no argument can hold.
    char Byte() { return static_cast<char>(1 + Below(255)); }

    // A line of options the program knows, in any order, each well formed: these are what
    // reach the help, the version and the start of a game.
    std::vector<std::string> WellFormed()
    {
        std::vector<std::string> arguments;
        for (std::size_t options = 1 + Below(3); options > 0; --options) {
            switch (Below(5)) {
            case 0:
                arguments.emplace_back(Below(2) == 0 ? "--help" : "-h");
                break;
            case 1:
                arguments.emplace_back("--version");
                break;
            case 2:
                arguments.insert(arguments.end(), {"--seed", std::to_string(m_random() >> 32U)});
                break;
            case 3:
                arguments.insert(arguments.end(), {"--computer", std::to_string(2 + Below(4)),
                                                   "--pace", std::to_string(Below(10001))});
                break;
            default:
                arguments.push_back("--seed=" + std::to_string(m_random() >> 32U));
                break;
            }
        }
        return arguments;
    }

    std::string Argument()
    {
        switch (Below(5)) {
        case 0: { // bytes at random, now and then a great many
            std::string bytes(Below(8) == 0 ? Below(400) : Below(24), ' ');
            for (char& byte : bytes) {
                byte = Byte();
            }
            return bytes;
        }
        case 1: // a word as it is
        case 2:
            return kWords[Below(kWords.size())];
        case 3: { // a word with a few bytes changed, inserted or removed
            std::string word = kWords[Below(kWords.size())];
            for (std::size_t edits = 1 + Below(3); edits > 0; --edits) {
                const std::size_t at = Below(word.size() + 1);
                const std::size_t how = Below(3);
                if (how == 0 || at == word.size()) {
                    word.insert(at, 1, Byte());
                } else if (how == 1) {
                    word[at] = Byte();
                } else {
                    word.erase(at, 1);
                }
            }
            return word;
        }
        default: // a seed of any length
            return (Below(2) == 0 ? "--seed=" : "") + std::to_string(m_random() >> Below(64));
        }
    }

    std::mt19937_64 m_random;
};

// The ways a run may end, and what each must look like; "" when it looks like none.
std::string Classify(const ProgramOutcome& outcome, const std::string& help,
                     const std::string& version)
{
    const std::string hint = "Try 'zintra_win --help' for more information.\n";
    if (outcome.exitCode == 0 && outcome.err.empty() &&
        (outcome.out == help || outcome.out == version)) {
        return outcome.out == help ? "help" : "version";
    }
    if (outcome.exitCode == 1 && outcome.out.empty() &&
        outcome.err == "zintra_win: no display (DISPLAY is not set)\n") {
        return "no display";
    }
    if (outcome.exitCode != 2 || !outcome.out.empty() || !outcome.err.starts_with("zintra_win: ") ||
        !outcome.err.ends_with("\n" + hint)) {
        return "";
    }
    // The error itself: one line, no control characters, well-formed UTF-8 of a sane length.
    const std::string line = outcome.err.substr(0, outcome.err.size() - hint.size() - 1);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < line.size(); ++characters) {
        const auto lead = static_cast<unsigned char>(line[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead < 0x20 || lead == 0x7F || (lead >= 0x80 && lead < 0xC2) || lead > 0xF4 ||
            at + length > line.size()) {
            return "";
        }
        for (std::size_t next = 1; next < length; ++next) {
            if ((static_cast<unsigned char>(line[at + next]) & 0xC0U) != 0x80U) {
                return "";
            }
        }
        // C1 controls, encoded as C2 80 to C2 9F.
        if (lead == 0xC2 && static_cast<unsigned char>(line[at + 1]) < 0xA0) {
            return "";
        }
        at += length;
    }
    return characters <= 160 ? "error" : "";
}

std::string Shown(const std::vector<std::string>& arguments)
{
    std::string shown = "{";
    for (const std::string& argument : arguments) {
        shown += (shown.size() > 1 ? ", " : "") + Escaped(argument);
    }
    return shown + "}";
}

TEST(CommandLineFuzz, EveryRandomCommandLineEndsInOneOfTheKnownWays)
{
    const char* chosen = std::getenv("ZINTRA_CLI_FUZZ_SEED");
    const std::uint64_t seed = chosen != nullptr ? std::strtoull(chosen, nullptr, 10) : kSeed;
    const std::wstring versionText = res::kVersionText;
    const std::string version =
        "Zintra_win " + std::string(versionText.begin(), versionText.end()) + "\n";
    const std::string help = RunProgram({"--help"}).out;
    ASSERT_TRUE(help.starts_with("Usage: zintra_win [--seed N] ")) << help;

    CommandLines lines(seed);
    std::map<std::string, int> outcomes;
    struct Running {
        std::vector<std::string> arguments;
        std::unique_ptr<ProgramRun> run;
    };
    std::deque<Running> running;
    for (int started = 0; started < kCommandLines || !running.empty();) {
        if (started < kCommandLines && running.size() < kRunningAtOnce) {
            std::vector<std::string> arguments = lines.Next();
            auto run = std::make_unique<ProgramRun>(arguments);
            running.push_back({std::move(arguments), std::move(run)});
            ++started;
            continue;
        }
        const Running oldest = std::move(running.front());
        running.pop_front();
        const ProgramOutcome outcome = oldest.run->Finish();
        const std::string kind = Classify(outcome, help, version);
        ASSERT_NE(kind, "") << "seed " << seed << " (ZINTRA_CLI_FUZZ_SEED), arguments "
                            << Shown(oldest.arguments) << ": exit "
                            << (outcome.exitCode ? std::to_string(*outcome.exitCode) : "none")
                            << ", stdout " << Escaped(outcome.out) << ", stderr "
                            << Escaped(outcome.err);
        ++outcomes[kind];
    }
    std::cout << "seed " << seed << ", " << kCommandLines << " command lines:";
    for (const auto& [kind, count] : outcomes) {
        std::cout << ' ' << kind << ' ' << count << ';';
        RecordProperty(kind, count);
    }
    std::cout << '\n';
    // Random lines must reach every way, or they test less than they seem to.
    EXPECT_EQ(outcomes.size(), 4U);
}

} // namespace
