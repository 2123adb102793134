// SPDX-License-Identifier: GPL-3.0-or-later
// Saves what an X window shows as a PNG, so that pictures of the program are made from the
// program itself (scripts/screenshot.sh). The pixels are read from the screen: whatever covers
// the window is in the picture too, which without a window manager is nothing.
//
//   grab_window [--changed-from PNG] [--timeout SECONDS] WINDOW OUTPUT
//
// WINDOW is an X window id as xdotool prints it. A window is saved only once two looks at it a
// moment apart agree, so that a paint in progress is never caught half done. With
// --changed-from, the picture must also differ from the one in that file: a script that clicks
// and then grabs learns that its click took effect, and gets the picture after it.
//
// Exit code 0; 1 when the window cannot be read, does not settle (or change) within the
// timeout (default 10 seconds), or the file cannot be written; 2 for a wrong command line.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <QThread>
#include <chrono>
#include <iostream>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Long enough between two looks for a repaint that has begun to have reached the screen.
constexpr unsigned long kLookIntervalMs = 40;

struct Request {
    WId window = 0;
    QString output;
    QString changedFrom;
    std::chrono::seconds timeout{10};
};

std::optional<Request> Parse(QStringList arguments)
{
    Request request;
    arguments.removeFirst();
    while (arguments.size() > 2) {
        const QString option = arguments.takeFirst();
        const QString value = arguments.takeFirst();
        if (option == QStringLiteral("--changed-from")) {
            request.changedFrom = value;
        } else if (option == QStringLiteral("--timeout")) {
            bool ok = false;
            request.timeout = std::chrono::seconds(value.toInt(&ok));
            if (!ok || request.timeout.count() <= 0) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    if (arguments.size() != 2) {
        return std::nullopt;
    }
    bool ok = false;
    // Base 0: xdotool prints ids in decimal, other tools in hexadecimal with 0x.
    request.window = static_cast<WId>(arguments[0].toULongLong(&ok, 0));
    request.output = arguments[1];
    if (!ok || request.window == 0) {
        return std::nullopt;
    }
    return request;
}

QImage Look(QScreen& screen, WId window)
{
    return screen.grabWindow(window).toImage().convertToFormat(QImage::Format_RGB32);
}

// Looks at the window until it shows the same picture twice in a row, one that differs from
// `unlike` if that is not null.
std::optional<QImage> SteadyPicture(QScreen& screen, WId window, const QImage& unlike,
                                    Clock::time_point deadline)
{
    QImage previous;
    for (;;) {
        QImage now = Look(screen, window);
        if (now.isNull()) {
            return std::nullopt;
        }
        const bool changed = unlike.isNull() || now != unlike;
        if (changed && now == previous) {
            return now;
        }
        previous = changed ? now : QImage();
        if (Clock::now() >= deadline) {
            return std::nullopt;
        }
        QThread::msleep(kLookIntervalMs);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // Only X windows have the ids this is given, whatever the environment prefers.
    char platformOption[] = "-platform";
    char xcb[] = "xcb";
    std::vector<char*> arguments{argv[0], platformOption, xcb};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    const QGuiApplication application(count, arguments.data());

    const std::optional<Request> request = Parse(QGuiApplication::arguments());
    if (!request) {
        std::cerr << "usage: grab_window [--changed-from PNG] [--timeout SECONDS] WINDOW OUTPUT\n";
        return 2;
    }
    QImage unlike;
    if (!request->changedFrom.isEmpty()) {
        unlike = QImage(request->changedFrom).convertToFormat(QImage::Format_RGB32);
        if (unlike.isNull()) {
            std::cerr << "grab_window: cannot read " << request->changedFrom.toStdString() << '\n';
            return 1;
        }
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const std::optional<QImage> picture =
        screen != nullptr
            ? SteadyPicture(*screen, request->window, unlike, Clock::now() + request->timeout)
            : std::nullopt;
    if (!picture) {
        std::cerr << "grab_window: window " << request->window
                  << (unlike.isNull() ? " cannot be read or did not settle\n"
                                      : " did not change, or did not settle\n");
        return 1;
    }
    if (!picture->save(request->output, "PNG")) {
        std::cerr << "grab_window: cannot write " << request->output.toStdString() << '\n';
        return 1;
    }
    return 0;
}
