// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt backend's own pieces: the record behind each window handle, and the widgets that turn
// what the user does into the framework's messages. Only the backend's sources include this.
#pragma once

#include "afx/CDC.h"
#include "afx/CString.h"
#include "afx/Platform.h"
#include "afx/Resources.h"
#include "afx/WinTypes.h"

#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QRadioButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

class CWnd;
class QButtonGroup;
class QLabel;

namespace afx::qt {

class QtPlatform;

inline QString ToQString(const CString& text)
{
    return QString::fromWCharArray(text.GetString(), text.GetLength());
}

inline QString ToQString(const wchar_t* text)
{
    return text != nullptr ? QString::fromWCharArray(text) : QString();
}

inline CString ToCString(const QString& text)
{
    return {std::wstring_view(text.toStdWString())};
}

enum class WindowKind { Frame, View, StatusBar, Dialog };

// What a window handle points at: the window's object, its widget, and what the backend keeps
// for it.
struct Window : WindowHandle {
    Window(CWnd& owner, WindowKind windowKind, Window* parentWindow)
        : wnd(&owner)
        , kind(windowKind)
        , parent(parentWindow)
    {}

    CWnd* wnd;
    WindowKind kind;
    Window* parent;
    QPointer<QWidget> widget;

    // Views: the record shown, and where its next paint stands.
    std::vector<CDC::TextItem> drawing;
    bool needsPaint = true;      // WM_PAINT is due; a new window has never painted
    bool deliveryPosted = false; // an event that delivers WM_PAINT is on its way
    bool freshDrawing = false;   // the next paint event shows a record just handed over

    // Frames: the size asked for, applied when the frame is first shown.
    CREATESTRUCT createStruct;
    bool shownBefore = false;

    // Status bars: one label per pane.
    std::vector<QPointer<QLabel>> panes;

    // Dialogs: the result EndDialog gave.
    std::optional<int> dialogResult;
};

// A frame: the main window with its menu bar, accelerators, view and status bar.
class FrameWidget : public QMainWindow {
public:
    FrameWidget(QtPlatform& platform, const FrameWindowParts& parts);

    // A popup of the menu bar opened, or an item in one is highlighted.
    void MenuOpened();
    void ItemHighlighted(const QAction* action);
    // A popup is closing; the menus count as closed once no other popup has opened.
    void MenuClosing();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void BuildMenu(const MenuResource& menu);
    void BuildAccelerators(const AcceleratorTableResource& table);
    void SendCommand(UINT id);

    QtPlatform& m_platform;
    QTimer m_menusClosed; // looks once the popups have settled whether any is still open
};

// A view: shows the record of its last paint and reports left-button releases.
class ViewWidget : public QWidget {
public:
    ViewWidget(QtPlatform& platform, QWidget* parent);

    QSize sizeHint() const override;

    // The event type of a posted WM_PAINT delivery.
    static QEvent::Type DeliverPaintEvent();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QtPlatform& m_platform;
};

// A dialog built from a template. Esc and the close box ask the dialog's object to cancel;
// only EndDialog ends it.
class DialogWidget : public QDialog {
public:
    DialogWidget(QtPlatform& platform, const DialogResource& tmpl, QWidget* parent);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddControl(const DialogItemResource& item, int baseX, int baseY);
    void SendCommand(int id, UINT code);

    QtPlatform& m_platform;
    QButtonGroup* m_radioGroup = nullptr; // the group the next radio button joins
    QWidget* m_firstTabStop = nullptr;
    QWidget* m_lastFocusable = nullptr;
};

// A radio button that, as the platform's own do, answers to a click anywhere in its rectangle,
// and is checked as the arrow keys move to it within its group.
class RadioButton : public QRadioButton {
public:
    RadioButton(const QString& text, QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Watches the whole application for key presses, and wakes up now and then, so that frames can
// follow the keyboard's lock keys.
class AppWatcher : public QObject {
public:
    explicit AppWatcher(QtPlatform& platform);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtPlatform& m_platform;
    QTimer m_nowAndThen;
    QTimer m_afterKeys;
};

} // namespace afx::qt
