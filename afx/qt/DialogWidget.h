// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog on screen, built from its template. Esc and the close box ask the dialog's object
// to cancel; only EndDialog ends it.
#pragma once

#include "afx/Resources.h"
#include "afx/qt/WindowRecord.h"

#include <QDialog>
#include <optional>

class QButtonGroup;

namespace afx::qt {

class DialogWidget : public QDialog {
public:
    // The dialog of the object `dialog`, built from `tmpl`, over `parent` (null: on its own).
    DialogWidget(CWnd& dialog, const DialogResource& tmpl, QWidget* parent);

    Window& Record() { return m_window; }

    // Ends the dialog's loop with `result`; a dialog already ended keeps its first result.
    void End(int result);
    // What End gave; nothing while the dialog has not been ended.
    std::optional<int> Result() const { return m_result; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddControl(const DialogItemResource& item, int baseX, int baseY);
    void SendCommand(int id, UINT code);

    Window m_window;
    std::optional<int> m_result;
    QButtonGroup* m_radioGroup = nullptr; // the group the next radio button joins
    QWidget* m_firstTabStop = nullptr;
    QWidget* m_lastFocusable = nullptr;
};

} // namespace afx::qt
