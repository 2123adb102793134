// SPDX-License-Identifier: GPL-3.0-or-later
// The backend's modal windows: message boxes, dialogs built from templates, and the prompt for
// a file to open. Each runs its own loop until it is answered.
#include "afx/CWnd.h"
#include "afx/qt/DialogWidget.h"
#include "afx/qt/FittingMessageBox.h"
#include "afx/qt/FrameWidget.h"
#include "afx/qt/QtPlatform.h"
#include "afx/qt/QtText.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>

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

// The window that a modal window over `owner` belongs to; null while `owner` is not on screen
// (at start-up, before the main window shows), and the modal window is then centred on the
// screen instead.
QWidget* ModalParent(const Window* owner)
{
    QWidget* shown = ShownWidget(owner);
    return shown != nullptr ? shown->window() : nullptr;
}

// The program keeps no settings, yet Qt's file dialog writes the folders it visited to the
// user's Qt settings (QtProject.conf under the configuration folder) when it closes, making the
// folders on the way, and under "/" when there is no home. Those settings go below a file that
// is no folder, where nothing can be made, for the rest of the run.
void KeepDialogSettingsNowhere()
{
    static const bool redirected = [] {
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
        }
        return true;
    }();
    static_cast<void>(redirected);
}

} // namespace

QWidget* QtPlatform::OwnerForBox() const
{
    const QWidget* active = QApplication::activeWindow();
    QWidget* shown = nullptr;
    for (const Window* record : m_windows.All()) {
        QWidget* widget = WidgetAs<FrameWidget>(record);
        if (widget == nullptr || !widget->isVisible()) {
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
    FittingMessageBox box(IconOf(type), ToQString(caption), ToQString(text), QMessageBox::Ok,
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
    const auto widget =
        std::make_unique<DialogWidget>(dialog, tmpl, ModalParent(m_windows.Find(parent)));
    Window& record = widget->Record();
    m_windows.Add(record);
    dialog.Attach(&record);

    widget->exec();

    // A dialog whose loop ended without EndDialog (the program quit under it) was cancelled.
    int result = IDCANCEL;
    if (record.IsLive()) {
        result = widget->Result().value_or(IDCANCEL);
        m_windows.Forget(record);
    }
    if (dialog.m_hWnd == &record) {
        dialog.Detach();
    }
    return result;
}

void QtPlatform::EndDialog(HWND dialog, int result)
{
    if (auto* widget = WidgetAs<DialogWidget>(m_windows.Find(dialog)); widget != nullptr) {
        widget->End(result);
    }
}

BOOL QtPlatform::PromptForFileToOpen(HWND owner, CString& path)
{
    if (!EnsureApplication()) {
        return FALSE;
    }
    KeepDialogSettingsNowhere();
    const QString chosen = QFileDialog::getOpenFileName(ModalParent(m_windows.Find(owner)));
    if (chosen.isEmpty()) {
        return FALSE;
    }
    path = ToCString(chosen);
    return TRUE;
}

} // namespace afx::qt
