// SPDX-License-Identifier: GPL-3.0-or-later
// Ends of the process that the program did not choose, while its windows are up: each must
// leave status 1 and one line on stderr, and nothing of the program's may run on the way out.
// Each case runs in a child process of its own (a death test), started afresh.
#include "afx/qt/EndGuard.h"

#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace qttest {
namespace {

struct EndCase {
    const char* name;
    std::function<void()> end;
    const char* stderrText; // what the child writes there from then on, to the letter
};

// The child marks where the end begins on stderr; Qt may have said things before.
constexpr const char* kEndBegins = "-- the end begins --\n";

void MarkTheEnd()
{
    static_cast<void>(std::fputs(kEndBegins, stderr));
}

// Everything the child writes to stderr from the mark on is `text`, to the letter.
testing::Matcher<const std::string&> AfterTheMarkIs(const std::string& text)
{
    return testing::MatchesRegex(std::string(".*") + kEndBegins + text);
}

class UnchosenEnd : public QtBackendTest, public testing::WithParamInterface<EndCase> {
protected:
    UnchosenEnd() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// Made before main, as the program object is; static destruction reaches it if exit() runs on,
// and it says so once the test has made it live.
struct ProgramObject {
    ProgramObject() = default;
    ~ProgramObject()
    {
        if (live) {
            static_cast<void>(std::fputs("the program object was destroyed\n", stderr));
        }
    }
    ProgramObject(const ProgramObject&) = delete;
    ProgramObject& operator=(const ProgramObject&) = delete;
    ProgramObject(ProgramObject&&) = delete;
    ProgramObject& operator=(ProgramObject&&) = delete;

    bool live = false;
};
ProgramObject g_programObject; // NOLINT(cert-err58-cpp)

TEST_P(UnchosenEnd, LeavesOneLineAndStatusOne)
{
    OpenFrame();
    EXPECT_EXIT(
        {
            g_programObject.live = true;
            MarkTheEnd();
            GetParam().end();
        },
        testing::ExitedWithCode(1), AfterTheMarkIs(GetParam().stderrText));
}

const EndCase kEnds[] = {
    {"ALibraryCallsExit", [] { std::exit(0); }, "zintra_win: a library ended the program\n"},
    {"QtLosesTheDisplay",
     [] {
         // What Qt's xcb platform does when the X server goes away.
         qWarning("The X11 connection broke (error 1). Did the X11 server die?");
         std::exit(1);
     },
     "zintra_win: lost the connection to the display\n"},
    {"TheSessionEnds",
     [] {
         // What Qt does when the session manager tells the program to die.
         QEvent quit(QEvent::Quit);
         QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
     },
     "zintra_win: the desktop session is ending\n"},
    {"OtherWarningsStillShow",
     [] {
         qWarning("something else");
         std::exit(2);
     },
     "something else\nzintra_win: a library ended the program\n"},
};

INSTANTIATE_TEST_SUITE_P(Ends, UnchosenEnd, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<EndCase>& end) {
                             return std::string(end.param.name);
                         });

TEST(EndGuard, OnceGoneLeavesExitAlone)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::make_unique<afx::qt::EndGuard>().reset();
            MarkTheEnd();
            std::exit(3);
        },
        testing::ExitedWithCode(3), AfterTheMarkIs(""));
}

} // namespace
} // namespace qttest
