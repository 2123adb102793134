// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/OnScreenFixture.h"

#include "res/Resource.h"
#include "res/Zintra_winResources.h"

#include <QDir>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {

// The board's texts end with the prompt's line at y 600; what lies below is the view's blank
// margin, whose height depends on the window's.
constexpr int kBoardHeight = 640;

// A menu bar is far shorter than this: the board is looked for no lower in the window.
constexpr int kMostMenuBarHeight = 120;

const afx::DialogResource& PlayersDialogTemplate()
{
    for (const afx::DialogResource& dialog : res::Bundle().dialogs) {
        if (dialog.id == IDD_NUMPLAYERS) {
            return dialog;
        }
    }
    throw std::runtime_error("no template for the number-of-players dialog");
}

// The pixels of a control of `tmpl` in a dialog of `size` pixels. Dialog units are whole
// fractions of the dialog font's average character size, and the dialog's own size is in the
// same units, so the font's size follows from the dialog's.
QRect ControlRect(const afx::DialogResource& tmpl, QSize size, int id)
{
    const long baseX = std::lround(4.0 * size.width() / tmpl.cx);
    const long baseY = std::lround(8.0 * size.height() / tmpl.cy);
    const auto horizontal = [baseX](int units) {
        return static_cast<int>(std::lround(units * static_cast<double>(baseX) / 4.0));
    };
    const auto vertical = [baseY](int units) {
        return static_cast<int>(std::lround(units * static_cast<double>(baseY) / 8.0));
    };
    for (const afx::DialogItemResource& item : tmpl.items) {
        if (item.id == id) {
            return {horizontal(item.x), vertical(item.y), horizontal(item.cx), vertical(item.cy)};
        }
    }
    throw std::runtime_error("no control " + std::to_string(id) + " in the dialog");
}

bool SameBlock(const QImage& image, QPoint origin, const QImage& block)
{
    const auto rowBytes = static_cast<size_t>(block.width()) * sizeof(QRgb);
    for (int y = 0; y < block.height(); ++y) {
        const auto* shown = reinterpret_cast<const QRgb*>(image.constScanLine(origin.y() + y));
        if (std::memcmp(shown + origin.x(), block.constScanLine(y), rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

// Where `block` lies in `image`, looking no lower than `maxY`.
std::optional<QPoint> Locate(const QImage& image, const QImage& block, int maxY)
{
    for (int y = 0; y <= std::min(maxY, image.height() - block.height()); ++y) {
        for (int x = 0; x <= image.width() - block.width(); ++x) {
            if (SameBlock(image, QPoint(x, y), block)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

QRect Difference(const QImage& left, const QImage& right)
{
    if (left.size() != right.size()) {
        return left.rect().united(right.rect());
    }
    QRect changed;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            if (left.pixel(x, y) != right.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    return changed;
}

void OnScreenTest::SetUp()
{
    m_server = std::make_unique<XServer>();
    m_x = std::make_unique<XConnection>(m_server->DisplayName());
    m_xdo = std::make_unique<XdoTool>(m_server->DisplayName());
}

void OnScreenTest::TearDown()
{
    if (m_program != nullptr) {
        // A program that is still running is closed as a user would close it, so that every
        // test also sees it end cleanly (in the sanitizer build: without leaks). After a
        // failure it may be stuck anywhere, and is just stopped.
        if (!HasFailure() && m_main != 0 && !m_program->HasEnded() && OtherWindows().empty()) {
            EXPECT_TRUE(m_x->RequestClose(m_main));
            EXPECT_EQ(m_program->Wait(kPatience), std::optional<int>(0))
                << "the program did not end cleanly when its window was closed";
        }
        m_program->Stop();
        if (HasFailure()) {
            std::cout << "The program's output:\n" << ReadFile(m_programLog) << '\n';
        }
        std::remove(m_programLog.c_str());
    }
    m_program.reset();
    m_xdo.reset();
    m_x.reset();
    m_server.reset();
}

void OnScreenTest::Launch(const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment)
{
    std::vector<std::string> command{ZINTRA_WIN_PROGRAM};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess::Options options;
    // Qt picks its platform from the environment; the program is to use the X server.
    options.environment = {"DISPLAY=" + m_server->DisplayName(), "QT_QPA_PLATFORM",
                           "WAYLAND_DISPLAY"};
    // A sanitized program is checked as strictly as the rest of the suite, but for what the
    // system's libraries do on their own: libxkbcommon-x11 hands strndup names that are not
    // terminated (strndup stops at the length given; the strict check reads on), and D-Bus
    // keeps memory until exit. Both options are ignored by a program built without them.
    const char* asanOptions = std::getenv("ASAN_OPTIONS");
    options.environment.push_back(std::string("ASAN_OPTIONS=") +
                                  (asanOptions != nullptr ? asanOptions : "") +
                                  ":strict_string_checks=0");
    options.environment.push_back("LSAN_OPTIONS=suppressions=" ZINTRA_GUI_LSAN_SUPPRESSIONS);
    options.environment.insert(options.environment.end(), environment.begin(), environment.end());
    m_programLog = testing::TempDir() + "zintra_win-" + std::to_string(getpid()) + ".log";
    options.outputFile = m_programLog;
    m_program = std::make_unique<ChildProcess>(command, options);
}

std::optional<int> OnScreenTest::WaitForExit(std::chrono::milliseconds timeout)
{
    return m_program->Wait(timeout);
}

XWindowId OnScreenTest::WaitForPlayersDialog()
{
    const std::optional<XWindowId> dialog = m_xdo->WaitForShown("^Number of Players$", kPatience);
    if (!dialog) {
        ADD_FAILURE() << "the \"Number of Players\" dialog did not show";
        return 0;
    }
    return *dialog;
}

XWindowId OnScreenTest::ChoosePlayers(XWindowId dialog, int players)
{
    const afx::DialogResource& tmpl = PlayersDialogTemplate();
    const QSize size = m_xdo->Geometry(dialog).size();
    const QRect radio = ControlRect(tmpl, size, IDC_PLAYERS_2 + players - 2);
    const QRect ok = ControlRect(tmpl, size, IDOK);
    // Far from the button's circle and its label, but inside its template's rectangle: a click
    // anywhere there counts.
    EXPECT_TRUE(m_xdo->Click(dialog, radio.right() - 2, radio.center().y()));
    EXPECT_TRUE(m_xdo->Click(dialog, ok.center().x(), ok.center().y()));
    return WaitForMainWindow();
}

XWindowId OnScreenTest::WaitForMainWindow()
{
    EXPECT_TRUE(
        Eventually([this] { return m_xdo->FindShown("^Number of Players$").empty(); }, kPatience))
        << "the dialog did not close";
    const std::optional<XWindowId> main = m_xdo->WaitForShown("^Zintra_win$", kPatience);
    if (!main) {
        ADD_FAILURE() << "no main window showed";
        return 0;
    }
    m_main = *main;
    return m_main;
}

XWindowId OnScreenTest::StartGame(int players, const std::vector<std::string>& arguments)
{
    Launch(arguments);
    const XWindowId dialog = WaitForPlayersDialog();
    return dialog != 0 ? ChoosePlayers(dialog, players) : 0;
}

std::vector<XWindowId> OnScreenTest::OtherWindows()
{
    std::vector<XWindowId> others;
    for (const ShownWindow& window : m_x->ShownTopLevels()) {
        if (window.id != m_main) {
            others.push_back(window.id);
        }
    }
    return others;
}

std::optional<XWindowId> OnScreenTest::WaitForBox()
{
    std::optional<XWindowId> box;
    Eventually(
        [&] {
            for (const XWindowId window : m_xdo->FindShown("^Zintra_win$")) {
                if (window != m_main) {
                    box = window;
                }
            }
            return box.has_value();
        },
        kPatience);
    return box;
}

bool OnScreenTest::CloseBoxWithReturn(XWindowId box)
{
    if (!m_xdo->Focus(box) || !m_xdo->Key("Return")) {
        return false;
    }
    return Eventually(
        [&] {
            const std::vector<XWindowId> shown = m_xdo->FindShown("^Zintra_win$");
            return std::find(shown.begin(), shown.end(), box) == shown.end();
        },
        kPatience);
}

void OnScreenTest::ClickBoard(QPoint point)
{
    if (!m_boardOrigin) {
        ADD_FAILURE() << "the board was not found on screen before a click on it";
        return;
    }
    ClickMainWindow(BoardOrigin() + point);
}

void OnScreenTest::ClickMainWindow(QPoint point)
{
    EXPECT_TRUE(m_xdo->Click(m_main, point.x(), point.y()));
}

QRect OnScreenTest::MainWindowRect()
{
    for (const ShownWindow& window : m_x->ShownTopLevels()) {
        if (window.id == m_main) {
            return window.rect;
        }
    }
    return {};
}

QImage OnScreenTest::GrabMainWindow()
{
    const QRect main = MainWindowRect();
    return main.isEmpty() ? QImage() : m_x->Grab(main);
}

QSize OnScreenTest::BoardSize()
{
    // The view fills the main window's width.
    return {MainWindowRect().width(), kBoardHeight};
}

testing::AssertionResult OnScreenTest::ShowsBoard(const BoardModel& model,
                                                  std::chrono::milliseconds timeout)
{
    return ShowsBoardExcept(model, QRect(), timeout);
}

testing::AssertionResult OnScreenTest::ShowsBoardAround(const BoardModel& model, const QRect& cover)
{
    if (!m_boardOrigin) {
        return testing::AssertionFailure() << "the board has not been seen whole yet";
    }
    // In the board's own coordinates.
    return ShowsBoardExcept(model, cover.translated(-MainWindowRect().topLeft() - *m_boardOrigin),
                            kPatience);
}

testing::AssertionResult OnScreenTest::ShowsBoardExcept(const BoardModel& model, const QRect& cover,
                                                        std::chrono::milliseconds timeout)
{
    // What `cover` hides is painted alike in both images, so that only the rest counts.
    const auto hide = [&cover](QImage& image) {
        if (!cover.isEmpty()) {
            QPainter painter(&image);
            painter.fillRect(cover, Qt::magenta);
        }
    };
    QImage expected = model.Render(BoardSize());
    hide(expected);
    QImage shown;
    const bool matched = Eventually(
        [&] {
            shown = GrabMainWindow();
            if (shown.isNull() || expected.isNull()) {
                return false;
            }
            if (!m_boardOrigin) {
                m_boardOrigin = Locate(shown, expected, kMostMenuBarHeight);
                return m_boardOrigin.has_value();
            }
            // Whatever of it lies outside the window copies as black, and so differs.
            QImage board = shown.copy(QRect(*m_boardOrigin, expected.size()));
            hide(board);
            return board == expected;
        },
        timeout);
    if (matched) {
        return testing::AssertionSuccess();
    }
    if (shown.isNull()) {
        return testing::AssertionFailure() << "the main window is not on show";
    }
    if (!m_boardOrigin) {
        return testing::AssertionFailure() << "the board is nowhere in the main window; "
                                           << SaveForInspection("board", expected, shown);
    }
    QImage board = shown.copy(QRect(*m_boardOrigin, expected.size()));
    hide(board);
    const QRect wrong = Difference(expected, board);
    return testing::AssertionFailure()
           << "the board on screen differs within (" << wrong.x() << ", " << wrong.y() << ") to ("
           << wrong.right() << ", " << wrong.bottom() << ") of the board; "
           << SaveForInspection("board", expected, board);
}

std::optional<QImage> OnScreenTest::WaitForChange(const QImage& before)
{
    QImage now;
    if (Eventually(
            [&] {
                now = GrabMainWindow();
                return !now.isNull() && now != before;
            },
            kPatience)) {
        return now;
    }
    return std::nullopt;
}

std::string OnScreenTest::SaveForInspection(const std::string& name, const QImage& expected,
                                            const QImage& actual)
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const QString folder = QDir::current().absoluteFilePath(QStringLiteral("gui-failures"));
    QDir().mkpath(folder);
    const QString stem = folder + QLatin1Char('/') + QString::fromUtf8(test->test_suite_name()) +
                         QLatin1Char('.') + QString::fromUtf8(test->name()) + QLatin1Char('-') +
                         QString::fromStdString(name);
    expected.save(stem + QStringLiteral("-expected.png"));
    actual.save(stem + QStringLiteral("-shown.png"));
    return "see " + stem.toStdString() + "-{expected,shown}.png";
}
