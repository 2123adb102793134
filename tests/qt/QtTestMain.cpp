// SPDX-License-Identifier: GPL-3.0-or-later
// The tests run on the program's one QApplication, on the offscreen platform unless the
// environment names another.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[])
{
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display, and no Qt left over for the leak checker.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
