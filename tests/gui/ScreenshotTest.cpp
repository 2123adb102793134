// SPDX-License-Identifier: GPL-3.0-or-later
// The README's picture comes from scripts/screenshot.sh, which plays the program by clicks on a
// virtual X server of its own and saves the main window. Made here into files of the test's
// own, the picture has to be the main window as the program shows it, with a game moved on
// from its opening board, and the same each time it is made.
#include "tests/gui/OnScreenFixture.h"

#include <QFile>
#include <QPainter>
#include <QSet>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// Far more than the script needs, even beside the rest of the suite.
constexpr auto kScriptPatience = 45s;

// Fewer colours than the board's antialiased text alone brings.
constexpr qsizetype kFewestColours = 16;

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One run of the script, into a file of its own; the file and the log go with the object.
class ScreenshotRun {
public:
    explicit ScreenshotRun(const std::string& name)
        : m_picture(testing::TempDir() + name + "-" + std::to_string(getpid()) + ".png")
        , m_log(m_picture + ".log")
    {
        ChildProcess::Options options;
        options.environment = {"ZINTRA_WIN=" ZINTRA_WIN_PROGRAM, "GRAB_WINDOW=" ZINTRA_GRAB_WINDOW};
        options.outputFile = m_log;
        m_script = std::make_unique<ChildProcess>(
            std::vector<std::string>{ZINTRA_SCREENSHOT_SCRIPT, m_picture}, options);
    }
    ~ScreenshotRun()
    {
        m_script.reset();
        std::remove(m_picture.c_str());
        std::remove(m_log.c_str());
    }
    ScreenshotRun(const ScreenshotRun&) = delete;
    ScreenshotRun& operator=(const ScreenshotRun&) = delete;
    ScreenshotRun(ScreenshotRun&&) = delete;
    ScreenshotRun& operator=(ScreenshotRun&&) = delete;

    // Whether the script ended well in time; what it said, if not.
    testing::AssertionResult Finished()
    {
        const std::optional<int> exitCode = m_script->Wait(kScriptPatience);
        if (exitCode == std::optional<int>(0)) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << (exitCode ? "the script failed with " + std::to_string(*exitCode)
                            : std::string("the script did not end in time"))
               << "; it said:\n"
               << ReadFile(m_log);
    }

    QByteArray Bytes() const
    {
        QFile file(QString::fromStdString(m_picture));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    std::string m_picture;
    std::string m_log;
    std::unique_ptr<ChildProcess> m_script;
};

// `image` with `hidden` painted over, so that a comparison leaves it out.
QImage Without(QImage image, const QRect& hidden)
{
    QPainter painter(&image);
    painter.fillRect(hidden, Qt::magenta);
    painter.end();
    return image;
}

qsizetype ColoursIn(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size();
}

using ScreenshotScript = OnScreenTest;

TEST_F(ScreenshotScript, PicturesTheMainWindowWithTheGameUnderWay)
{
    // Two at once, each on a server of its own: nothing that either does may leak into the
    // picture, or the two could differ.
    ScreenshotRun first("screenshot");
    ScreenshotRun second("screenshot-again");

    // Meanwhile, the program's main window as it opens, for its size and for all that lies
    // around the board, which no move changes.
    ASSERT_NE(StartGame(3, {}), 0U);
    ASSERT_TRUE(ShowsBoard(BoardModel(3, 1)));
    const QImage opening = GrabMainWindow();
    const QRect board(BoardOrigin(), BoardSize());

    ASSERT_TRUE(first.Finished());
    ASSERT_TRUE(second.Finished());
    const QByteArray bytes = first.Bytes();
    ASSERT_TRUE(bytes.startsWith("\x89PNG\r\n\x1a\n")) << "not a PNG";
    EXPECT_TRUE(second.Bytes() == bytes) << "made twice, the pictures differ";

    const QImage shot = QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), opening.size()) << "not the main window";
    EXPECT_GE(ColoursIn(shot), kFewestColours) << "hardly a picture of anything";

    // The menu bar above the board and the status bar below it are as they open.
    EXPECT_TRUE(Without(shot, board) == Without(opening, board)) << "not the main window";
    EXPECT_FALSE(shot.copy(board) == opening.copy(board)) << "the clicks did not reach the board";
}

} // namespace
