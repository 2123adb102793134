// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt backend's tests share: a small set of resources, a frame and a view that log the
// messages they get, and a fixture that installs the backend on the test program's
// QApplication (on the offscreen platform).
#pragma once

#include "afx/CDC.h"
#include "afx/CDialog.h"
#include "afx/CFrameWnd.h"
#include "afx/CStatusBar.h"
#include "afx/CView.h"
#include "afx/Resources.h"
#include "afx/qt/QtPlatform.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QMainWindow;
class QWidget;

namespace qttest {

// Resource ids of the test program.
inline constexpr UINT IDR_TEST = 300;
inline constexpr UINT ID_PLAIN = 32800; // a command with no prompt string
inline constexpr UINT IDD_CHOOSE = 400; // a number of seats, by radio buttons
inline constexpr UINT IDD_NOTE = 401;   // an icon and two texts
inline constexpr int IDC_SEATS_2 = 1000;
inline constexpr int IDC_SEATS_5 = 1003;

// The resources above: strings, the menu and accelerators of IDR_TEST, two dialogs and an
// icon of two pictures in files made for the run.
const afx::ResourceBundle& Resources();

// One message as a window's object received it.
struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A view that draws what `content` says, logs its releases of the left button and the keys
// pressed on it, and runs `whileDrawing` at the start of every paint.
class TestView : public CView {
    DECLARE_DYNCREATE(TestView)

public:
    std::function<std::vector<CDC::TextItem>()> content;
    std::function<void()> whileDrawing;
    int draws = 0;
    int drawing = 0; // paints in progress
    int deepestNesting = 0;
    std::vector<std::pair<UINT, CPoint>> releases;
    struct Key {
        UINT key;
        UINT repeats;
        UINT flags;
        friend bool operator==(const Key&, const Key&) = default;
    };
    std::vector<Key> keys;

protected:
    void OnDraw(CDC* pDC) override;
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()
};

// A frame with a status bar of four panes (the message pane and the three lock keys) that logs
// every message it gets. With `keepOpen` set it ignores its close box.
class TestFrame : public CFrameWnd {
public:
    std::vector<Message> messages;
    CStatusBar statusBar;
    bool keepOpen = false;

    // The commands received, in order.
    std::vector<UINT> Commands() const;
    // What the status bar's message pane was told while a menu was open: one entry per
    // WM_MENUSELECT, the item id or the flags' name ("popup", "separator", "closed").
    QStringList MenuSelections() const;
    int Count(UINT message) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};

// A dialog that logs its commands and, at each one, which radio buttons are checked.
class TestDialog : public CDialog {
public:
    explicit TestDialog(UINT nIDTemplate, CWnd* pParent = nullptr);

    struct Command {
        int id;
        UINT code;
        LPARAM lParam;
        QStringList checked; // the texts of the radio buttons checked as it arrived
    };
    std::vector<Command> commands;
    // The ids of the BN_CLICKED notifications, in order.
    std::vector<int> Clicks() const;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// The texts of the radio buttons of `dialog` that are checked.
QStringList CheckedRadios(const QWidget* dialog);

// Runs `act` on the next modal window (box or dialog) from inside its loop, as soon as it is
// on screen; `act` must close it.
void WhenModalOpens(std::function<void(QWidget* modal)> act);

// Lets Qt handle what is pending, posted deliveries of low priority included.
void ProcessEvents();

// Collects Qt's warnings while it lives.
class WarningLog {
public:
    WarningLog();
    ~WarningLog();
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;
    WarningLog(WarningLog&&) = delete;
    WarningLog& operator=(WarningLog&&) = delete;

    QStringList Matching(const QString& part) const;
};

class QtBackendTest : public testing::Test {
protected:
    QtBackendTest();
    ~QtBackendTest() override;
    QtBackendTest(const QtBackendTest&) = delete;
    QtBackendTest& operator=(const QtBackendTest&) = delete;
    QtBackendTest(QtBackendTest&&) = delete;
    QtBackendTest& operator=(QtBackendTest&&) = delete;

    // Creates the test frame with its view and status bar from resource `resourceId`; shows it
    // and waits until it is active when `show` is set.
    void OpenFrame(bool show = true, UINT resourceId = IDR_TEST);

    QMainWindow* FrameWidget() const;
    QWidget* ViewWidget() const;
    TestView& View() const;
    // The status bar's panes, left to right.
    std::vector<QLabel*> Panes() const;
    // What the view shows at the moment, as the window system would get it.
    QImage GrabView() const;

    afx::qt::QtPlatform platform;
    std::unique_ptr<TestFrame> frame;
};

} // namespace qttest
