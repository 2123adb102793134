// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

namespace {

struct ProbeRun {
    QProcess::ExitStatus status;
    int exitCode;
    QStringList errorLines;
    QString output;
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
            errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed()};
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
    // Nor the Wayland compositor of a desktop the tests may run in, which Qt would prefer to
    // an X display: the folder where Wayland clients look for one is the tests' own.
    static const QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
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

// An X server of the test's own, with no window manager, for as long as the object lives.
class PrivateXServer {
public:
    PrivateXServer()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            return;
        }
        // -noreset: the keyboard's state outlives the clients that come and go.
        m_server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-noreset", "-screen", "0",
                              "1280x1024x24"});
        // The server names its display once it is ready for connections.
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000)) {
            number += m_server.readAllStandardOutput();
        }
        if (!number.trimmed().isEmpty()) {
            m_display = ":" + number.trimmed();
        }
    }

    ~PrivateXServer()
    {
        m_server.terminate();
        m_server.waitForFinished(10000);
    }

    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;
    PrivateXServer(PrivateXServer&&) = delete;
    PrivateXServer& operator=(PrivateXServer&&) = delete;

    // The display's name, ":<number>"; empty when there is no Xvfb or it did not start.
    const QByteArray& Display() const { return m_display; }

private:
    QProcess m_server;
    QByteArray m_display;
};

// The tests here that need an X server (CMake puts their suite in the gui tier).
TEST(StartUpOnX, ShowsItsWindowAndEndsCleanly)
{
    // The way the program runs on a desktop: Qt's default platform on an X server.
    const PrivateXServer server;
    if (server.Display().isEmpty()) {
        GTEST_SKIP() << "no Xvfb to run an X server";
    }
    const ProbeRun run = RunProbe(Environment(server.Display().constData(), nullptr));
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 0) << run.errorLines.join('\n').toStdString();
}

// Where the program's windows are not on an X display (a Wayland desktop, Qt's offscreen
// platform), the lock keys read as off and the program has nothing to say about it beyond what
// Qt says anyway; an X display named beside it (as with XWayland) is not where its windows are,
// so it is not asked.
TEST(StartUpOnX, ReadsTheLockKeysOnlyFromTheXDisplayItsWindowsAreOn)
{
    const PrivateXServer server;
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (server.Display().isEmpty() || xdotool.isEmpty()) {
        GTEST_SKIP() << "no Xvfb and xdotool to run an X server and press its keys";
    }
    QProcess press;
    press.setProcessEnvironment(Environment(server.Display().constData(), nullptr));
    press.start(xdotool, {"key", "Caps_Lock"});
    ASSERT_TRUE(press.waitForFinished(10000) && press.exitCode() == 0) << "Caps Lock not pressed";

    const ProbeRun onX =
        RunProbe(Environment(server.Display().constData(), "xcb"), QStringLiteral("locks"));
    EXPECT_EQ(onX.exitCode, 0) << onX.errorLines.join('\n').toStdString();
    EXPECT_EQ(onX.output, "CAP 1 NUM 0 SCRL 0");

    const ProbeRun elsewhere =
        RunProbe(Environment(server.Display().constData(), "offscreen"), QStringLiteral("locks"));
    EXPECT_EQ(elsewhere.exitCode, 0);
    EXPECT_EQ(elsewhere.output, "CAP 0 NUM 0 SCRL 0");
    const ProbeRun withoutX = RunProbe(Environment(nullptr, "offscreen"), QStringLiteral("locks"));
    EXPECT_EQ(withoutX.output, "CAP 0 NUM 0 SCRL 0");
    EXPECT_EQ(elsewhere.errorLines, withoutX.errorLines);
}

} // namespace
