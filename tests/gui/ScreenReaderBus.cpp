// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/ScreenReaderBus.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Both ends of a pipe, closed with the object unless handed on.
class Pipe {
public:
    Pipe()
    {
        if (pipe(m_fds) != 0) {
            throw std::runtime_error("pipe failed");
        }
    }
    ~Pipe()
    {
        CloseWriteEnd();
        if (m_fds[0] >= 0) {
            close(m_fds[0]);
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    Pipe(Pipe&&) = delete;
    Pipe& operator=(Pipe&&) = delete;

    int ReadEnd() const { return m_fds[0]; }
    int WriteEnd() const { return m_fds[1]; }
    // Once the child holds the write end: the reader then sees the end when the child goes.
    void CloseWriteEnd()
    {
        if (m_fds[1] >= 0) {
            close(m_fds[1]);
            m_fds[1] = -1;
        }
    }
    int TakeReadEnd() { return std::exchange(m_fds[0], -1); }

private:
    int m_fds[2] = {-1, -1};
};

// The next whole line from `fd` (without its newline), reading into `pending`; false when none
// came before `timeout` or the writer is gone.
bool ReadLineFrom(int fd, std::string& pending, std::string& line,
                  std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const size_t end = pending.find('\n'); end != std::string::npos) {
            line = pending.substr(0, end);
            pending.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd watched{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&watched, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
        char buffer[4096];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return false;
        }
        pending.append(buffer, static_cast<size_t>(got));
    }
}

QJsonObject ParseLine(const std::string& line)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

std::string Text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString().toStdString();
}

AccessibleObject ObjectFrom(const QJsonObject& json)
{
    AccessibleObject object;
    for (const QJsonValue& index : json.value("path").toArray()) {
        object.path.push_back(index.toInt());
    }
    object.role = Text(json, "role");
    object.name = Text(json, "name");
    object.description = Text(json, "description");
    for (const QJsonValue& state : json.value("states").toArray()) {
        object.states.insert(state.toString().toStdString());
    }
    object.children = json.value("children").toInt();
    if (const QJsonArray extents = json.value("extents").toArray(); extents.size() == 4) {
        object.extents =
            QRect(extents[0].toInt(), extents[1].toInt(), extents[2].toInt(), extents[3].toInt());
    }
    return object;
}

AccessibleEvent EventFrom(const QJsonObject& json)
{
    const QJsonObject source = json.value("source").toObject();
    return {Text(json, "event"), Text(source, "role"), Text(source, "name"), Text(json, "value"),
            Text(json, "child")};
}

} // namespace

ScreenReaderBus::ScreenReaderBus(std::string displayName)
    : m_displayName(std::move(displayName))
{
    std::string runtimeTemplate = testing::TempDir() + "zintra_win-buses-XXXXXX";
    if (mkdtemp(runtimeTemplate.data()) == nullptr) {
        throw std::runtime_error("no runtime folder for the buses");
    }
    m_runtimeDir = runtimeTemplate;
    Pipe address;
    ChildProcess::Options options;
    options.environment = {"XDG_RUNTIME_DIR=" + m_runtimeDir.string()};
    options.stdoutFd = address.WriteEnd();
    m_sessionBus =
        std::make_unique<ChildProcess>(std::vector<std::string>{"/usr/bin/dbus-daemon", "--session",
                                                                "--nofork", "--print-address"},
                                       options);
    address.CloseWriteEnd();
    std::string pending;
    if (!ReadLineFrom(address.ReadEnd(), pending, m_address, 15s) || m_address.empty()) {
        throw std::runtime_error("the session bus did not start");
    }
    const std::vector<std::string> enabled = RunClient({"enable"});
    if (enabled.empty() || !ParseLine(enabled.front()).value("enabled").toBool()) {
        throw std::runtime_error("the accessibility bus did not start");
    }
}

ScreenReaderBus::~ScreenReaderBus()
{
    m_sessionBus.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_runtimeDir, ignored);
}

std::vector<std::string> ScreenReaderBus::Environment() const
{
    return {"DBUS_SESSION_BUS_ADDRESS=" + m_address, "DISPLAY=" + m_displayName,
            "XDG_RUNTIME_DIR=" + m_runtimeDir.string()};
}

std::vector<std::string> ScreenReaderBus::RunClient(const std::vector<std::string>& arguments) const
{
    Pipe output;
    std::vector<std::string> command{ZINTRA_SYSTEM_PYTHON, ZINTRA_ATSPI_CLIENT};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess::Options options;
    options.environment = Environment();
    options.stdoutFd = output.WriteEnd();
    ChildProcess client(command, options);
    output.CloseWriteEnd();
    std::vector<std::string> lines;
    std::string pending;
    for (std::string line; ReadLineFrom(output.ReadEnd(), pending, line, 30s);) {
        lines.push_back(line);
    }
    client.Wait(5s);
    return lines;
}

std::vector<AccessibleObject> ScreenReaderBus::Tree(const std::string& app) const
{
    std::vector<AccessibleObject> objects;
    for (const std::string& line : RunClient({"tree", app})) {
        const QJsonObject json = ParseLine(line);
        if (json.contains("role")) {
            objects.push_back(ObjectFrom(json));
        }
    }
    return objects;
}

std::unique_ptr<ScreenReaderBus::Listener> ScreenReaderBus::Listen(const std::string& app) const
{
    Pipe output;
    ChildProcess::Options options;
    options.environment = Environment();
    options.stdoutFd = output.WriteEnd();
    auto client = std::make_unique<ChildProcess>(
        std::vector<std::string>{ZINTRA_SYSTEM_PYTHON, ZINTRA_ATSPI_CLIENT, "listen", app},
        options);
    output.CloseWriteEnd();
    auto listener = std::make_unique<Listener>(std::move(client), output.TakeReadEnd());
    std::string ready;
    if (!listener->ReadLine(ready, 30s) || !ParseLine(ready).value("ready").toBool()) {
        throw std::runtime_error("the client does not listen");
    }
    return listener;
}

ScreenReaderBus::Listener::Listener(std::unique_ptr<ChildProcess> client, int output)
    : m_client(std::move(client))
    , m_output(output)
{}

ScreenReaderBus::Listener::~Listener()
{
    m_client.reset();
    close(m_output);
}

bool ScreenReaderBus::Listener::ReadLine(std::string& line, std::chrono::milliseconds timeout)
{
    return ReadLineFrom(m_output, m_pending, line, timeout);
}

std::vector<AccessibleEvent> ScreenReaderBus::Listener::Collect(
    const std::function<bool(const std::vector<AccessibleEvent>&)>& enough,
    std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!enough(m_heard)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        std::string line;
        if (left.count() <= 0 || !ReadLine(line, left)) {
            break;
        }
        m_heard.push_back(EventFrom(ParseLine(line)));
    }
    return std::exchange(m_heard, {});
}
