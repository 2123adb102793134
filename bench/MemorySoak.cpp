// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the heap stays flat over a long session: the whole program, run on the headless
// backend and then on the real widgets of Qt's offscreen platform, shows 10,000 refusal boxes,
// 1,000 Rules boxes and 1,000 new games, after a warm-up that fills the caches that Qt caps
// itself. The heap in use (mallinfo2) is read before and after each stretch; the session as a
// whole may leave at most 1 MiB more than after the warm-up.
//
//   memory_soak [fraction]   (default 1: the full counts; 0.1 for a tenth of each)
//
// Exits 1 when a backend leaves more than the limit, or when a stretch did not show the boxes
// and dialogs it should have.
#include "afx/AfxRes.h"
#include "afx/CFrameWnd.h"
#include "afx/CView.h"
#include "afx/CWinApp.h"
#include "afx/CWnd.h"
#include "afx/headless/HeadlessPlatform.h"
#include "afx/qt/QtPlatform.h"
#include "res/Resource.h"
#include "res/Zintra_winResources.h"
#include "view/BoardLayout.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QProxyStyle>
#include <QSet>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

constexpr long long kLimitBytes = 1024 * 1024;
constexpr int kWarmUp = 100;

// Every allocation the program holds, small and mapped alike.
long long HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

QtMessageHandler g_nextHandler = nullptr;

// The offscreen platform says it cannot raise or size windows every time one shows.
void DropPlatformChatter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        g_nextHandler(type, context, message);
    }
}

// Modal windows answered so far, whichever backend showed them.
int g_answered = 0;

CFrameWnd& MainFrame()
{
    return dynamic_cast<CFrameWnd&>(*AfxGetApp()->m_pMainWnd);
}

// On the first row before anyone has drawn, a click is refused ("You cannot take a row.") and
// changes nothing.
constexpr int kRefusedX = board::kRowX + 25;
constexpr int kRefusedY = board::RowY(0) + 10;

void Command(UINT id)
{
    MainFrame().SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
}

struct Stretch {
    const char* what;
    int count;
    std::function<void()> act;
};

struct Result {
    std::vector<long long> growth; // per stretch, in bytes
    long long total = 0;
    bool allShown = true;
};

// Runs every stretch inside the program's message loop; `settle` lets the backend catch up
// after each act (paints, deferred deletions).
Result Soak(double fraction, const std::function<void()>& refuseMove,
            const std::function<void()>& settle)
{
    const std::vector<Stretch> stretches = {
        {"refusal boxes", static_cast<int>(10000 * fraction), refuseMove},
        {"Rules boxes", static_cast<int>(1000 * fraction), [] { Command(ID_HELP_RULES); }},
        {"new games", static_cast<int>(1000 * fraction), [] { Command(ID_FILE_NEW); }},
    };
    for (const Stretch& stretch : stretches) {
        for (int warm = 0; warm < kWarmUp; ++warm) {
            stretch.act();
            settle();
        }
    }
    Result result;
    const long long start = HeapInUse();
    for (const Stretch& stretch : stretches) {
        const long long before = HeapInUse();
        const int answeredBefore = g_answered;
        for (int done = 0; done < stretch.count; ++done) {
            stretch.act();
            settle();
        }
        result.growth.push_back(HeapInUse() - before);
        result.allShown = result.allShown && g_answered - answeredBefore == stretch.count;
    }
    result.total = HeapInUse() - start;
    return result;
}

std::vector<char*> Arguments(std::vector<std::string>& words)
{
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    return argv;
}

Result SoakHeadless(double fraction)
{
    HeadlessPlatform platform;
    platform.whileBoxOpen = [](const HeadlessPlatform::Event&) { ++g_answered; };
    platform.whileDialogOpen = [&platform](CWnd& dialog, const afx::DialogResource&) {
        ++g_answered;
        platform.PressEnter(dialog);
    };
    Result result;
    platform.whileLoopRuns = [&] {
        CView& view = *MainFrame().GetActiveView();
        const auto refuse = [&platform, &view] { platform.Click(view, kRefusedX, kRefusedY); };
        result = Soak(fraction, refuse, [&platform] {
            platform.PaintInvalidated();
            platform.ClearLog(); // the backend's record for tests, not the program's memory
        });
        MainFrame().SendMessage(WM_CLOSE);
    };
    std::vector<std::string> words{"zintra_win", "--seed", "1"};
    std::vector<char*> argv = Arguments(words);
    g_answered = 0;
    afx::RunProgram(static_cast<int>(argv.size()), argv.data(), res::Bundle());
    return result;
}

// Answers each modal window of the offscreen run from inside its loop, with Enter as a user
// would, once it has been painted: painting is what brings the icons of its buttons and of its
// message into Qt's caches.
class ModalAnswerer : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog == nullptr || !dialog->isModal()) {
            return QObject::eventFilter(watched, event);
        }
        if (event->type() == QEvent::Show) {
            m_unanswered.insert(dialog);
        } else if (event->type() == QEvent::Paint && m_unanswered.remove(dialog)) {
            ++g_answered;
            QMetaObject::invokeMethod(
                dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Return); },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QSet<QDialog*> m_unanswered;
};

// Desktops' styles put icons on the buttons of dialogs; the offscreen platform's does not.
class ButtonIconsStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

Result SoakOffscreen(double fraction)
{
    std::vector<std::string> words{"zintra_win", "--seed", "1"};
    std::vector<char*> argv = Arguments(words);
    afx::qt::QtPlatform platform(static_cast<int>(argv.size()), argv.data());
    afx::SetPlatform(&platform);
    ModalAnswerer answerer;
    QApplication::instance()->installEventFilter(&answerer);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        QApplication::setStyle(new ButtonIconsStyle);
    }
    Result result;
    // Posted now, it would run in the players dialog's loop at start-up: it goes on waiting
    // until the main window is up with nothing over it.
    std::function<void()> soakOnceUp;
    soakOnceUp = [&] {
        if (AfxGetApp()->m_pMainWnd == nullptr || QApplication::activeModalWidget() != nullptr) {
            QMetaObject::invokeMethod(QApplication::instance(), soakOnceUp, Qt::QueuedConnection);
            return;
        }
        QWidget* view = platform.WidgetOf(MainFrame().GetActiveView()->m_hWnd);
        const auto refuse = [view] {
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(kRefusedX, kRefusedY));
        };
        result = Soak(fraction, refuse, [] {
            QApplication::sendPostedEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        });
        MainFrame().SendMessage(WM_CLOSE);
    };
    QMetaObject::invokeMethod(QApplication::instance(), soakOnceUp, Qt::QueuedConnection);
    g_answered = 0;
    afx::RunProgram(static_cast<int>(argv.size()), argv.data(), res::Bundle());
    QApplication::instance()->removeEventFilter(&answerer);
    afx::SetPlatform(nullptr);
    return result;
}

bool Report(const char* backend, const Result& result)
{
    std::printf("  %-10s", backend);
    for (const long long growth : result.growth) {
        std::printf(" %+12.1f KiB", static_cast<double>(growth) / 1024.0);
    }
    const bool flat = result.total <= kLimitBytes && result.allShown;
    std::printf(" %+12.1f KiB  %s\n", static_cast<double>(result.total) / 1024.0,
                !result.allShown ? "NOT ALL SHOWN" : (flat ? "ok" : "OVER 1 MiB"));
    return flat;
}

} // namespace

int main(int argc, char* argv[])
{
    const double fraction = argc > 1 ? std::atof(argv[1]) : 1.0;
    if (fraction <= 0.0 || fraction > 10.0) {
        std::fprintf(stderr, "usage: memory_soak [fraction]\n");
        return 2;
    }
    // QT_QPA_PLATFORM=xcb runs the second half on an X display instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    g_nextHandler = qInstallMessageHandler(DropPlatformChatter);
    int qtArgc = 1;
    const QApplication application(qtArgc, argv);

    const Result headless = SoakHeadless(fraction);
    const Result offscreen = SoakOffscreen(fraction);
    std::printf("Heap in use (mallinfo2) after %d refusal boxes, %d Rules boxes and %d new games, "
                "from where it stood after a warm-up of %d of each:\n",
                static_cast<int>(10000 * fraction), static_cast<int>(1000 * fraction),
                static_cast<int>(1000 * fraction), kWarmUp);
    std::printf("  %-10s %16s %16s %16s %16s\n", "backend", "refusal boxes", "Rules boxes",
                "new games", "whole session");
    const bool headlessFlat = Report("headless", headless);
    const bool offscreenFlat = Report("offscreen", offscreen);
    return headlessFlat && offscreenFlat ? 0 : 1;
}
