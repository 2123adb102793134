// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/WestonServer.h"

#include <chrono>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 20s;

// The output of `arguments` run to its end within a few seconds, with `environment`.
std::string OutputOf(const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment, const std::string& outputFile)
{
    ChildProcess::Options options;
    options.environment = environment;
    options.outputFile = outputFile;
    ChildProcess process(arguments, options);
    process.Wait(10s);
    return ReadWholeFile(outputFile);
}

} // namespace

WestonServer::WestonServer()
{
    if (!m_runtimeDir.isValid()) {
        throw std::runtime_error("no folder for Weston's runtime files");
    }
    const std::string runtime = m_runtimeDir.path().toStdString();
    // Debian 12's Weston names its back ends by their modules; later ones by short names.
    const std::string help =
        OutputOf({"/usr/bin/weston", "--help"}, {"XDG_RUNTIME_DIR=" + runtime}, runtime + "/help");
    const std::string backend =
        help.find("headless-backend.so") != std::string::npos ? "headless-backend.so" : "headless";

    ChildProcess::Options options;
    options.environment = {"XDG_RUNTIME_DIR=" + runtime, "WAYLAND_DISPLAY", "DISPLAY"};
    options.outputFile = runtime + "/weston.log";
    // --debug lets weston-debug read the scene graph.
    m_process = std::make_unique<ChildProcess>(
        std::vector<std::string>{"/usr/bin/weston", "--backend=" + backend,
                                 "--socket=" + m_socketName, "--idle-time=0", "--debug"},
        options);

    // It takes connections once its socket is there.
    const std::string socket = runtime + "/" + m_socketName;
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    struct stat status {};
    while (stat(socket.c_str(), &status) != 0 || !S_ISSOCK(status.st_mode)) {
        if (m_process->HasEnded() || std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("Weston did not start: " + Log());
        }
        std::this_thread::sleep_for(20ms);
    }
}

WestonServer::~WestonServer() = default;

std::vector<std::string> WestonServer::ClientEnvironment() const
{
    return {"XDG_RUNTIME_DIR=" + m_runtimeDir.path().toStdString(),
            "WAYLAND_DISPLAY=" + m_socketName, "DISPLAY"};
}

std::string WestonServer::SceneGraph() const
{
    return OutputOf({"/usr/bin/weston-debug", "scene-graph"}, ClientEnvironment(),
                    m_runtimeDir.path().toStdString() + "/scene-graph");
}

std::string WestonServer::Log() const
{
    return ReadWholeFile(m_runtimeDir.path().toStdString() + "/weston.log");
}
