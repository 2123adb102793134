// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the tests that drive the program on an X server. The tests render what the
// screen should show with Qt in this process, on the offscreen platform, which opens nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <vector>

int main(int argc, char* argv[])
{
    // On the command line rather than in the environment, which the program under test
    // inherits and must not: it has to show itself on the X server.
    char platformOption[] = "-platform";
    char offscreen[] = "offscreen";
    std::vector<char*> arguments{argv[0], platformOption, offscreen};
    for (int index = 1; index < argc; ++index) {
        arguments.push_back(argv[index]);
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    const QApplication application(count, arguments.data());
    testing::InitGoogleTest(&count, arguments.data());
    return RUN_ALL_TESTS();
}
