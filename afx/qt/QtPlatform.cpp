// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/QtPlatform.h"

#include "afx/CWinApp.h"
#include "afx/CWnd.h"
#include "afx/qt/DrawingReplay.h"
#include "afx/qt/QtWindows.h"
#include "afx/qt/X11Session.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace afx::qt {

namespace {

// Message box icons, in the bits of the box's type that choose one.
constexpr UINT kIconMask = 0xF0;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & kIconMask) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Whether Qt will show its windows on an X display: the xcb platform, its default here.
bool UsesX11()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform == nullptr || *platform == '\0' || std::strncmp(platform, "xcb", 3) == 0;
}

// The widget of a window that is on screen; null while it is hidden or gone.
QWidget* ShownWidget(const Window* record)
{
    QWidget* widget = record != nullptr ? record->widget.data() : nullptr;
    return widget != nullptr && widget->isVisible() ? widget : nullptr;
}

// Counts the paint events in progress, so that nothing paints from inside one.
class PaintScope {
public:
    explicit PaintScope(int& depth)
        : m_depth(depth)
    {
        ++m_depth;
    }
    ~PaintScope() { --m_depth; }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    PaintScope(PaintScope&&) = delete;
    PaintScope& operator=(PaintScope&&) = delete;

private:
    int& m_depth;
};

} // namespace

QtPlatform::QtPlatform(int argc, char* argv[])
    : m_programPath(argc > 0 && argv != nullptr && argv[0] != nullptr ? argv[0] : "")
    , m_argv{m_programPath.data(), nullptr}
{}

QtPlatform::~QtPlatform()
{
    std::vector<QPointer<QWidget>> topLevel;
    for (const auto& record : m_windows) {
        record->wnd->Detach();
        if (record->parent == nullptr) {
            topLevel.push_back(record->widget);
        }
    }
    m_windows.clear();
    for (const QPointer<QWidget>& widget : topLevel) {
        delete widget.data();
    }
    // Windows closed earlier wait for the event loop to delete them, which will not run again.
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    m_watcher.reset();
    m_application.reset();
    if (GetPlatform() == this) {
        SetPlatform(nullptr);
    }
}

bool QtPlatform::EnsureApplication()
{
    if (QCoreApplication::instance() == nullptr) {
        if (m_noDisplay) {
            return false;
        }
        // Qt aborts the program when its X display cannot be opened: find out first, and fail
        // the way a window that cannot be made fails.
        std::optional<x11::DisplayConnection> display;
        if (UsesX11()) {
            display.emplace();
            if (!display->Problem().empty()) {
                m_noDisplay = true;
                static_cast<void>(std::fprintf(stderr, "%s: %s\n", ProgramName().c_str(),
                                               display->Problem().c_str()));
                return false;
            }
        }
        m_application = std::make_unique<QApplication>(m_argc, m_argv.data());
    }
    if (m_watcher == nullptr) {
        // The program ends when it posts its quit message, not when Qt sees no window left.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        m_watcher = std::make_unique<AppWatcher>(*this);
    }
    return true;
}

std::string QtPlatform::ProgramName() const
{
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->m_pszExeName != nullptr) {
        return ToQString(app->m_pszExeName).toStdString();
    }
    const size_t slash = m_programPath.find_last_of('/');
    return slash == std::string::npos ? m_programPath : m_programPath.substr(slash + 1);
}

Window* QtPlatform::Find(HWND window) const
{
    const auto found =
        std::find_if(m_windows.begin(), m_windows.end(),
                     [window](const auto& record) { return record.get() == window; });
    return found != m_windows.end() ? found->get() : nullptr;
}

Window* QtPlatform::RecordOf(const QObject* widget) const
{
    const auto found =
        std::find_if(m_windows.begin(), m_windows.end(),
                     [widget](const auto& record) { return record->widget == widget; });
    return found != m_windows.end() ? found->get() : nullptr;
}

LRESULT QtPlatform::Send(const QObject* widget, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* record = RecordOf(widget);
    return record != nullptr ? record->wnd->SendMessage(message, wParam, lParam) : 0;
}

std::vector<Window*> QtPlatform::Subtree(const Window& top) const
{
    std::vector<Window*> subtree;
    for (const auto& record : m_windows) {
        for (const Window* ancestor = record.get(); ancestor != nullptr;
             ancestor = ancestor->parent) {
            if (ancestor == &top) {
                subtree.push_back(record.get());
                break;
            }
        }
    }
    // The window itself first.
    std::stable_partition(subtree.begin(), subtree.end(),
                          [&top](const Window* record) { return record == &top; });
    return subtree;
}

Window& QtPlatform::Add(std::unique_ptr<Window> record)
{
    m_windows.push_back(std::move(record));
    return *m_windows.back();
}

QWidget* QtPlatform::WidgetOf(HWND window) const
{
    const Window* record = Find(window);
    return record != nullptr ? record->widget.data() : nullptr;
}

const std::vector<CDC::TextItem>* QtPlatform::ShownDrawing(HWND view) const
{
    const Window* record = Find(view);
    return record != nullptr && record->kind == WindowKind::View ? &record->drawing : nullptr;
}

// Painting

BOOL QtPlatform::InvalidateRect(HWND window, const RECT* /*rect*/, BOOL /*erase*/)
{
    // A view is drawn whole every time, so a piece of it costs what all of it does; the
    // background is always cleared, since a record says nothing about what lay underneath.
    std::vector<Window*> targets;
    if (window == nullptr) {
        for (const auto& record : m_windows) {
            targets.push_back(record.get());
        }
    } else if (Window* record = Find(window); record != nullptr) {
        targets.push_back(record);
    } else {
        return FALSE;
    }
    for (Window* record : targets) {
        if (record->kind == WindowKind::View) {
            MarkForPainting(*record);
        } else if (QWidget* widget = record->widget; widget != nullptr) {
            widget->update();
        }
    }
    return TRUE;
}

void QtPlatform::MarkForPainting(Window& view)
{
    view.needsPaint = true;
    PostPaintDelivery(view);
}

void QtPlatform::PostPaintDelivery(Window& view)
{
    // A hidden window is not painted; showing it brings a paint event that asks again.
    QWidget* widget = ShownWidget(&view);
    if (view.deliveryPosted || widget == nullptr) {
        return;
    }
    view.deliveryPosted = true;
    // Low priority, as WM_PAINT comes after the input waiting in the queue.
    QCoreApplication::postEvent(widget, new QEvent(ViewWidget::DeliverPaintEvent()),
                                Qt::LowEventPriority);
}

void QtPlatform::DeliverPaint(const QObject* view)
{
    Window* record = RecordOf(view);
    if (record == nullptr) {
        return;
    }
    record->deliveryPosted = false;
    PaintNow(*record);
}

void QtPlatform::PaintNow(Window& view)
{
    if (!view.needsPaint || m_paintDepth > 0 || ShownWidget(&view) == nullptr) {
        return;
    }
    // Cleared before the view draws, so that an invalidation while it draws (or while a box
    // it opened is up) asks for another paint.
    view.needsPaint = false;
    view.wnd->SendMessage(WM_PAINT);
}

void QtPlatform::EndPaint(HWND window, const CDC& dc)
{
    Window* record = Find(window);
    if (record == nullptr || record->kind != WindowKind::View) {
        return;
    }
    record->drawing = dc.GetTextItems();
    record->freshDrawing = true;
    if (QWidget* widget = record->widget; widget != nullptr) {
        widget->update();
    }
}

void QtPlatform::PaintView(QWidget& view, const QPaintEvent& event)
{
    const PaintScope scope(m_paintDepth);
    QPainter painter(&view);
    painter.fillRect(event.rect(), Qt::white);
    Window* record = RecordOf(&view);
    if (record == nullptr) {
        return;
    }
    ReplayDrawing(painter, record->drawing);
    // A paint event that does not follow a new record comes from the window system (the view
    // was uncovered, resized or shown): as on the platform, the view then draws afresh.
    if (!std::exchange(record->freshDrawing, false)) {
        record->needsPaint = true;
    }
    if (record->needsPaint) {
        PostPaintDelivery(*record);
    }
}

BOOL QtPlatform::UpdateWindow(HWND window)
{
    const Window* top = Find(window);
    if (top == nullptr) {
        return FALSE;
    }
    if (m_paintDepth > 0) {
        return TRUE; // the posted deliveries will paint it
    }
    std::vector<HWND> due;
    for (Window* record : Subtree(*top)) {
        if (record->kind == WindowKind::View && record->needsPaint) {
            due.push_back(record);
        }
    }
    // Each paint may run a box whose loop closes windows: look each one up again.
    for (HWND view : due) {
        if (Window* record = Find(view); record != nullptr) {
            PaintNow(*record);
        }
    }
    if (QWidget* widget = ShownWidget(Find(window)); widget != nullptr) {
        widget->repaint();
    }
    return TRUE;
}

// Windows

HWND QtPlatform::CreateFrameWindow(CWnd& frame, const FrameWindowParts& parts)
{
    if (!EnsureApplication()) {
        return nullptr;
    }
    auto record = std::make_unique<Window>(frame, WindowKind::Frame, nullptr);
    if (parts.cs != nullptr) {
        record->createStruct = *parts.cs;
    }
    auto* widget = new FrameWidget(*this, parts);
    record->widget = widget;
    const CREATESTRUCT& cs = record->createStruct;
    if (cs.cx != CW_USEDEFAULT && cs.cy != CW_USEDEFAULT) {
        widget->resize(cs.cx, cs.cy);
    }
    if (cs.x != CW_USEDEFAULT && cs.y != CW_USEDEFAULT) {
        widget->move(cs.x, cs.y);
    }
    Window& added = Add(std::move(record));
    frame.Attach(&added);
    return &added;
}

HWND QtPlatform::CreateChildWindow(CWnd& child, HWND parent, ChildKind kind)
{
    Window* owner = Find(parent);
    auto* frame = owner != nullptr ? qobject_cast<QMainWindow*>(owner->widget.data()) : nullptr;
    if (frame == nullptr) {
        return nullptr;
    }
    auto record = std::make_unique<Window>(
        child, kind == ChildKind::View ? WindowKind::View : WindowKind::StatusBar, owner);
    if (kind == ChildKind::View) {
        auto* view = new ViewWidget(*this, frame);
        frame->setCentralWidget(view);
        record->widget = view;
    } else {
        auto* bar = new QStatusBar(frame);
        frame->setStatusBar(bar);
        record->widget = bar;
    }
    Window& added = Add(std::move(record));
    child.Attach(&added);
    return &added;
}

void QtPlatform::DestroyWindow(HWND window)
{
    Window* top = Find(window);
    if (top == nullptr) {
        return;
    }
    // The windows inside go with it; their objects live on without windows.
    const std::vector<Window*> doomed = Subtree(*top);
    for (Window* record : doomed) {
        if (record != top) {
            record->wnd->Detach();
        }
    }
    const QPointer<QWidget> widget = top->widget;
    std::erase_if(m_windows, [&doomed](const auto& record) {
        return std::find(doomed.begin(), doomed.end(), record.get()) != doomed.end();
    });
    if (widget != nullptr) {
        // This may run inside one of the widget's own handlers (its close box, a menu item):
        // the event loop deletes it once they have returned.
        widget->hide();
        widget->deleteLater();
    }
}

void QtPlatform::SetWindowText(HWND window, const CString& text)
{
    const Window* record = Find(window);
    if (QWidget* widget = record != nullptr ? record->widget.data() : nullptr;
        widget != nullptr && widget->isWindow()) {
        widget->setWindowTitle(ToQString(text));
    }
}

BOOL QtPlatform::ShowWindow(HWND window, int nCmdShow)
{
    Window* record = Find(window);
    QWidget* widget = record != nullptr ? record->widget.data() : nullptr;
    if (widget == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = widget->isHidden() ? FALSE : TRUE;
    if (nCmdShow == SW_HIDE) {
        widget->hide();
        return wasVisible;
    }
    if (record->kind == WindowKind::Frame && !record->shownBefore) {
        record->shownBefore = true;
        FitToScreen(*record);
    }
    widget->show();
    if (widget->isWindow()) {
        widget->raise();
        widget->activateWindow();
    }
    if (record->kind == WindowKind::Frame) {
        record->wnd->SendMessage(WM_IDLEUPDATECMDUI);
    }
    return wasVisible;
}

void QtPlatform::FitToScreen(Window& frame)
{
    QWidget* widget = frame.widget;
    const QScreen* screen = widget->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    const CREATESTRUCT& cs = frame.createStruct;
    if (cs.cx == CW_USEDEFAULT || cs.cy == CW_USEDEFAULT) {
        // The view asks for room for the whole board, the menu and status bars for theirs.
        QSize size = widget->sizeHint();
        if (available.isValid()) {
            size = size.boundedTo(available.size());
        }
        widget->resize(size);
    }
    if ((cs.x == CW_USEDEFAULT || cs.y == CW_USEDEFAULT) && available.isValid() &&
        !x11::WindowManagerRuns()) {
        // Nobody else will place it.
        widget->move(available.center() - QPoint(widget->width() / 2, widget->height() / 2));
    }
}

// Status bars

BOOL QtPlatform::SetStatusBarPanes(HWND bar, std::span<const CString> sizingTexts)
{
    Window* record = Find(bar);
    auto* statusBar = record != nullptr && record->kind == WindowKind::StatusBar
                          ? qobject_cast<QStatusBar*>(record->widget.data())
                          : nullptr;
    if (statusBar == nullptr) {
        return FALSE;
    }
    for (const QPointer<QLabel>& pane : record->panes) {
        if (pane != nullptr) {
            statusBar->removeWidget(pane);
            delete pane.data();
        }
    }
    record->panes.clear();
    for (size_t index = 0; index < sizingTexts.size(); ++index) {
        auto* pane = new QLabel(statusBar);
        pane->setTextFormat(Qt::PlainText);
        if (index == 0) {
            // The message pane takes the width the others leave, however long its text: a long
            // prompt must not widen the window.
            pane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            statusBar->addWidget(pane, 1);
        } else {
            pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pane->setAlignment(Qt::AlignCenter);
            const QFontMetrics metrics = pane->fontMetrics();
            pane->setFixedWidth(metrics.horizontalAdvance(ToQString(sizingTexts[index])) +
                                metrics.averageCharWidth() + 2 * pane->frameWidth());
            statusBar->addWidget(pane);
        }
        record->panes.emplace_back(pane);
    }
    return TRUE;
}

void QtPlatform::SetPaneText(HWND bar, int pane, const CString& text)
{
    const Window* record = Find(bar);
    if (record == nullptr || pane < 0 || static_cast<size_t>(pane) >= record->panes.size()) {
        return;
    }
    if (QLabel* label = record->panes[static_cast<size_t>(pane)]; label != nullptr) {
        label->setText(ToQString(text));
    }
}

// Boxes and dialogs

QWidget* QtPlatform::OwnerForBox() const
{
    const QWidget* active = QApplication::activeWindow();
    QWidget* shown = nullptr;
    for (const auto& record : m_windows) {
        QWidget* widget = record->widget;
        if (record->kind != WindowKind::Frame || widget == nullptr || !widget->isVisible()) {
            continue;
        }
        if (widget == active) {
            return widget;
        }
        if (shown == nullptr) {
            shown = widget;
        }
    }
    return shown;
}

int QtPlatform::MessageBox(const CString& text, const CString& caption, UINT type,
                           UINT /*helpContext*/)
{
    if (!EnsureApplication()) {
        return 0;
    }
    // With a parent Qt centres the box over it; without one, on the screen.
    QMessageBox box(IconOf(type), ToQString(caption), ToQString(text), QMessageBox::Ok,
                    OwnerForBox());
    box.setTextFormat(Qt::PlainText);
    // A box of one button closes with it on Esc and the close box too.
    box.exec();
    return IDOK;
}

int QtPlatform::RunModalDialog(CWnd& dialog, const DialogResource& tmpl, HWND parent)
{
    if (!EnsureApplication()) {
        return -1;
    }
    // A dialog over a hidden window (at start-up, before the main window shows) is centred on
    // the screen instead.
    QWidget* owner = ShownWidget(Find(parent));
    if (owner != nullptr) {
        owner = owner->window();
    }
    const auto widget = std::make_unique<DialogWidget>(*this, tmpl, owner);
    auto record = std::make_unique<Window>(dialog, WindowKind::Dialog, nullptr);
    record->widget = widget.get();
    Window& added = Add(std::move(record));
    dialog.Attach(&added);

    widget->exec();

    // A dialog whose loop ended without EndDialog (the program quit under it) was cancelled.
    int result = IDCANCEL;
    if (const Window* ended = Find(&added); ended != nullptr) {
        result = ended->dialogResult.value_or(IDCANCEL);
        std::erase_if(m_windows, [&added](const auto& each) { return each.get() == &added; });
    }
    if (dialog.m_hWnd == &added) {
        dialog.Detach();
    }
    return result;
}

void QtPlatform::EndDialog(HWND dialog, int result)
{
    Window* record = Find(dialog);
    if (record == nullptr || record->kind != WindowKind::Dialog || record->dialogResult) {
        return;
    }
    record->dialogResult = result;
    if (auto* widget = qobject_cast<QDialog*>(record->widget.data()); widget != nullptr) {
        widget->done(result);
    }
}

BOOL QtPlatform::PromptForFileToOpen(HWND owner, CString& path)
{
    if (!EnsureApplication()) {
        return FALSE;
    }
    QWidget* parent = ShownWidget(Find(owner));
    if (parent != nullptr) {
        parent = parent->window();
    }
    const QString chosen = QFileDialog::getOpenFileName(parent);
    if (chosen.isEmpty()) {
        return FALSE;
    }
    path = ToCString(chosen);
    return TRUE;
}

// The loop and the keyboard

int QtPlatform::RunMessageLoop()
{
    if (m_quitBeforeLoop) {
        return *std::exchange(m_quitBeforeLoop, std::nullopt);
    }
    if (!EnsureApplication()) {
        return 1;
    }
    m_loopRunning = true;
    const int exitCode = QApplication::exec();
    m_loopRunning = false;
    return exitCode;
}

void QtPlatform::PostQuitMessage(int exitCode)
{
    if (m_loopRunning) {
        QCoreApplication::exit(exitCode);
    } else {
        m_quitBeforeLoop = exitCode; // start-up gave up before the loop ran
    }
}

SHORT QtPlatform::GetKeyState(int virtualKey)
{
    const char* indicator = nullptr;
    switch (virtualKey) {
    case VK_CAPITAL:
        indicator = "Caps Lock";
        break;
    case VK_NUMLOCK:
        indicator = "Num Lock";
        break;
    case VK_SCROLL:
        indicator = "Scroll Lock";
        break;
    default:
        return 0;
    }
    return x11::IsIndicatorOn(indicator) ? SHORT{1} : SHORT{0};
}

LRESULT QtPlatform::DefWindowProc(HWND /*window*/, UINT /*message*/, WPARAM /*wParam*/,
                                  LPARAM /*lParam*/)
{
    // Qt has already done its own handling of whatever the user did by the time the message
    // reaches the window's object.
    return 0;
}

void QtPlatform::SendIdleUpdates()
{
    std::vector<HWND> frames;
    for (const auto& record : m_windows) {
        if (record->kind == WindowKind::Frame) {
            frames.push_back(record.get());
        }
    }
    for (HWND frame : frames) {
        if (const Window* record = Find(frame); record != nullptr) {
            record->wnd->SendMessage(WM_IDLEUPDATECMDUI);
        }
    }
}

} // namespace afx::qt
