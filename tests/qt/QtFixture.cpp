// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/qt/QtFixture.h"

#include "afx/AfxRes.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <string>

namespace qttest {

namespace {

using afx::ControlKind;

const afx::StringResource kStrings[] = {
    {IDR_TEST, L"Backend Test\n\nBackend Test\n\n\nBackendTest.Document\nBackend Test.Document"},
    {AFX_IDS_APP_TITLE, L"Backend Test"},
    {AFX_IDS_IDLEMESSAGE, L"Waiting"},
    {ID_FILE_NEW, L"Start over\nNew"},
    {ID_APP_EXIT, L"Leave\nExit"},
    {ID_APP_ABOUT, L"About this\nAbout"},
    {ID_INDICATOR_CAPS, L"CAP"},
    {ID_INDICATOR_NUM, L"NUM"},
    {ID_INDICATOR_SCRL, L"SCRL"},
};

const afx::MenuItemResource kGameItems[] = {
    {L"&New\tCtrl+N", ID_FILE_NEW},
    {nullptr, 0},
    {L"E&xit", ID_APP_EXIT},
};
const afx::MenuItemResource kHelpItems[] = {
    {L"&About...", ID_APP_ABOUT},
    {L"Plain", ID_PLAIN},
};
const afx::PopupMenuResource kPopups[] = {
    {L"&Game", kGameItems},
    {L"&Help", kHelpItems},
};
const afx::MenuResource kMenus[] = {{IDR_TEST, kPopups}};

constexpr BYTE kVirt = afx::FVIRTKEY;
constexpr BYTE kCtrl = afx::FVIRTKEY | afx::FCONTROL;
constexpr BYTE kShift = afx::FVIRTKEY | afx::FSHIFT;
constexpr BYTE kAlt = afx::FVIRTKEY | afx::FALT;
const afx::AcceleratorResource kAccelerators[] = {
    {kCtrl, 'N', ID_FILE_NEW},
    {kCtrl, 'O', ID_FILE_OPEN},
    {kCtrl, 'S', ID_FILE_SAVE},
    {kCtrl, 'Z', ID_EDIT_UNDO},
    {kCtrl, 'X', ID_EDIT_CUT},
    {kCtrl, 'C', ID_EDIT_COPY},
    {kCtrl, 'V', ID_EDIT_PASTE},
    {kAlt, afx::VK_BACK, ID_EDIT_UNDO},
    {kShift, afx::VK_DELETE, ID_EDIT_CUT},
    {kCtrl, afx::VK_INSERT, ID_EDIT_COPY},
    {kShift, afx::VK_INSERT, ID_EDIT_PASTE},
    {kVirt, afx::VK_F6, ID_NEXT_PANE},
    {kShift, afx::VK_F6, ID_PREV_PANE},
};
const afx::AcceleratorTableResource kAcceleratorTables[] = {{IDR_TEST, kAccelerators}};

const afx::DialogItemResource kChooseItems[] = {
    {ControlKind::DefPushButton, IDOK, L"OK", 0, 66, 60, 50, 14, WS_TABSTOP},
    {ControlKind::Text, -1, L"How many seats are taken?", 0, 31, 19, 118, 8, WS_GROUP},
    {ControlKind::AutoRadioButton, 1000, L"2", 0, 37, 36, 20, 10, WS_GROUP | WS_TABSTOP},
    {ControlKind::AutoRadioButton, 1001, L"3", 0, 65, 36, 20, 10, WS_TABSTOP},
    {ControlKind::AutoRadioButton, 1002, L"4", 0, 92, 36, 20, 10, WS_TABSTOP},
    {ControlKind::AutoRadioButton, 1003, L"5", 0, 117, 36, 20, 10, WS_TABSTOP},
    {ControlKind::GroupBox, 1004, L"", 0, 17, 28, 138, 26, 0},
};
const afx::DialogItemResource kNoteItems[] = {
    {ControlKind::Icon, -1, nullptr, IDR_TEST, 11, 17, 20, 20, 0},
    {ControlKind::Text, -1, L"R&D Version 2", 0, 40, 10, 119, 8, SS_NOPREFIX | WS_GROUP},
    {ControlKind::Text, -1, L"Fish && &Chips", 0, 40, 22, 119, 8, 0},
    {ControlKind::DefPushButton, IDOK, L"OK", 0, 178, 7, 50, 16, WS_GROUP | WS_TABSTOP},
};
constexpr DWORD kDialogStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
const afx::DialogResource kDialogs[] = {
    {IDD_CHOOSE, L"Seats", 186, 90, L"MS Shell Dlg", 8, kDialogStyle, kChooseItems},
    {IDD_NOTE, L"A Note", 235, 55, L"MS Shell Dlg", 8, kDialogStyle, kNoteItems},
};

// The icon's pictures, written for the run: the resources name files, not pictures.
std::span<const char* const> IconFiles()
{
    static const QTemporaryDir folder;
    static const std::array<std::string, 2> paths = [] {
        std::array<std::string, 2> files;
        const std::array<int, 2> sizes{16, 32};
        for (size_t index = 0; index < sizes.size(); ++index) {
            QImage picture(sizes.at(index), sizes.at(index), QImage::Format_ARGB32);
            picture.fill(Qt::darkGreen);
            const QString path =
                folder.filePath(QStringLiteral("icon-%1.png").arg(sizes.at(index)));
            picture.save(path);
            files.at(index) = QDir::toNativeSeparators(path).toStdString();
        }
        return files;
    }();
    static const std::array<const char*, 2> names{paths[0].c_str(), paths[1].c_str()};
    return names;
}

QStringList g_warnings;
QtMessageHandler g_previousHandler = nullptr;

void CollectWarning(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        g_warnings.append(text);
    }
    if (g_previousHandler != nullptr) {
        g_previousHandler(type, context, text);
    }
}

char g_programName[] = "qt_tests";
char* g_arguments[] = {&g_programName[0], nullptr};

} // namespace

const afx::ResourceBundle& Resources()
{
    static const afx::IconResource icons[] = {{IDR_TEST, IconFiles()}};
    static const afx::ResourceBundle bundle{kStrings, kMenus, kAcceleratorTables,
                                            kDialogs, icons,  nullptr};
    return bundle;
}

IMPLEMENT_DYNCREATE(TestView, CView)

BEGIN_MESSAGE_MAP(TestView, CView)
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void TestView::OnDraw(CDC* pDC)
{
    ++draws;
    ++drawing;
    deepestNesting = std::max(deepestNesting, drawing);
    if (whileDrawing) {
        whileDrawing();
    }
    if (content) {
        for (const CDC::TextItem& item : content()) {
            pDC->TextOut(item.x, item.y, item.text);
        }
    }
    --drawing;
}

void TestView::OnLButtonUp(UINT nFlags, CPoint point)
{
    releases.emplace_back(nFlags, point);
}

void TestView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    keys.push_back({nChar, nRepCnt, nFlags});
}

BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

LRESULT TestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    messages.push_back({message, wParam, lParam});
    if (message == WM_CLOSE && keepOpen) {
        return 0;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

int TestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                      ID_INDICATOR_SCRL};
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1 || statusBar.Create(this) == FALSE ||
        statusBar.SetIndicators(&indicators[0], 4) == FALSE) {
        return -1;
    }
    return 0;
}

std::vector<UINT> TestFrame::Commands() const
{
    std::vector<UINT> commands;
    for (const Message& message : messages) {
        if (message.message == WM_COMMAND) {
            commands.push_back(LOWORD(message.wParam));
        }
    }
    return commands;
}

QStringList TestFrame::MenuSelections() const
{
    QStringList selections;
    for (const Message& message : messages) {
        if (message.message != WM_MENUSELECT) {
            continue;
        }
        switch (HIWORD(message.wParam)) {
        case 0:
            selections.append(QString::number(LOWORD(message.wParam)));
            break;
        case MF_POPUP:
            selections.append(QStringLiteral("popup"));
            break;
        case MF_SEPARATOR:
            selections.append(QStringLiteral("separator"));
            break;
        case MF_MENUCLOSED:
            selections.append(QStringLiteral("closed"));
            break;
        default:
            selections.append(QStringLiteral("flags %1").arg(HIWORD(message.wParam)));
        }
    }
    return selections;
}

int TestFrame::Count(UINT message) const
{
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(),
                      [message](const Message& each) { return each.message == message; }));
}

TestDialog::TestDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent)
{}

BOOL TestDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    auto* platform = dynamic_cast<afx::qt::QtPlatform*>(afx::GetPlatform());
    const QWidget* widget = platform != nullptr ? platform->WidgetOf(m_hWnd) : nullptr;
    commands.push_back(
        {static_cast<short>(LOWORD(wParam)), HIWORD(wParam), lParam, CheckedRadios(widget)});
    return CDialog::OnCommand(wParam, lParam);
}

std::vector<int> TestDialog::Clicks() const
{
    std::vector<int> clicks;
    for (const Command& command : commands) {
        if (command.code == BN_CLICKED && command.lParam != 0) {
            clicks.push_back(command.id);
        }
    }
    return clicks;
}

QStringList CheckedRadios(const QWidget* dialog)
{
    QStringList checked;
    if (dialog != nullptr) {
        for (const QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
            if (radio->isChecked()) {
                checked.append(radio->text());
            }
        }
    }
    return checked;
}

void WhenModalOpens(std::function<void(QWidget* modal)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        // Keys go to the active window, as they would for the user.
        static_cast<void>(QTest::qWaitForWindowActive(modal));
        act(modal);
    });
    timer->start();
}

void ProcessEvents()
{
    // Twice, for what the first round posts (a delivery of WM_PAINT, a deferred check).
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

WarningLog::WarningLog()
{
    g_warnings.clear();
    g_previousHandler = qInstallMessageHandler(&CollectWarning);
}

WarningLog::~WarningLog()
{
    qInstallMessageHandler(g_previousHandler);
    g_previousHandler = nullptr;
}

QStringList WarningLog::Matching(const QString& part) const
{
    return g_warnings.filter(part, Qt::CaseInsensitive);
}

QtBackendTest::QtBackendTest()
    : platform(1, &g_arguments[0])
{
    afx::SetPlatform(&platform);
    afx::SetResources(&Resources());
}

QtBackendTest::~QtBackendTest()
{
    frame.reset();
    afx::SetResources(nullptr);
    // The first frame gives the program its icon; the next test starts without one.
    QApplication::setWindowIcon(QIcon());
}

void QtBackendTest::OpenFrame(bool show, UINT resourceId)
{
    frame = std::make_unique<TestFrame>();
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(TestView);
    ASSERT_NE(frame->LoadFrame(resourceId, WS_FRAME_DEFAULT, nullptr, &context), FALSE);
    if (show) {
        frame->ShowWindow(SW_SHOW);
        frame->UpdateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FrameWidget()));
    }
}

QMainWindow* QtBackendTest::FrameWidget() const
{
    return qobject_cast<QMainWindow*>(platform.WidgetOf(frame->m_hWnd));
}

QWidget* QtBackendTest::ViewWidget() const
{
    return platform.WidgetOf(View().m_hWnd);
}

TestView& QtBackendTest::View() const
{
    return dynamic_cast<TestView&>(*frame->GetActiveView());
}

std::vector<QLabel*> QtBackendTest::Panes() const
{
    const QWidget* bar = platform.WidgetOf(frame->statusBar.m_hWnd);
    std::vector<QLabel*> panes;
    if (bar != nullptr) {
        for (QLabel* pane : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            panes.push_back(pane);
        }
    }
    return panes;
}

QImage QtBackendTest::GrabView() const
{
    return ViewWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace qttest
