// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <string>

namespace {

struct ProbeRun {
    QProcess::ExitStatus status;
    int exitCode;
    QStringList errorLines;
};

// Runs the probe program in `environment` with `argument`.
ProbeRun RunProbe(const QProcessEnvironment& environment, const QString& argument = QString())
{
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(STARTUP_PROBE),
                argument.isEmpty() ? QStringList{} : QStringList{argument});
    EXPECT_TRUE(probe.waitForFinished(30000));
    const QString errors = QString::fromLocal8Bit(probe.readAllStandardError());
    return {probe.exitStatus(), probe.exitCode(),
            errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
}

// The environment of the tests, with the display settings changed as given.
QProcessEnvironment Environment(const char* display, const char* qtPlatform)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (display != nullptr) {
        environment.insert(QStringLiteral("DISPLAY"), QString::fromUtf8(display));
    }
    if (qtPlatform != nullptr) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromUtf8(qtPlatform));
    }
    return environment;
}

TEST(StartUp, WithoutADisplaySaysSoInOneLineAndFails)
{
    const ProbeRun run = RunProbe(Environment(nullptr, nullptr));
    EXPECT_EQ(run.status, QProcess::NormalExit) << "no abort, no crash";
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.errorLines, QStringList{"probe: no display (DISPLAY is not set)"});
}

TEST(StartUp, WithADisplayThatCannotBeOpenedNamesItAndFails)
{
    const ProbeRun run = RunProbe(Environment(":4321", "xcb"));
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.errorLines, QStringList{"probe: cannot open display \":4321\""});
}

TEST(StartUp, RunsUntilTheMainWindowClosesThenEndsCleanly)
{
    const ProbeRun run = RunProbe(Environment(nullptr, "offscreen"));
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 0) << run.errorLines.join('\n').toStdString();
}

TEST(StartUp, EndsWithTheCodeItQuitWithBeforeTheLoop)
{
    const ProbeRun run = RunProbe(Environment(nullptr, "offscreen"), QStringLiteral("quit"));
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 7) << run.errorLines.join('\n').toStdString();
}

// The one test here that needs an X server (CMake puts its suite in the gui tier).
TEST(StartUpOnX, ShowsItsWindowAndEndsCleanly)
{
    // The way the program runs on a desktop: Qt's default platform on an X server of the
    // test's own, with no window manager.
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        GTEST_SKIP() << "no Xvfb to run an X server";
    }
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
    // The server names its display once it is ready for connections.
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(10000)) {
        number += server.readAllStandardOutput();
    }
    ASSERT_FALSE(number.trimmed().isEmpty()) << "Xvfb did not start";
    const QByteArray display = ":" + number.trimmed();

    const ProbeRun run = RunProbe(Environment(display.constData(), nullptr));
    server.terminate();
    server.waitForFinished(10000);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 0) << run.errorLines.join('\n').toStdString();
}

} // namespace
