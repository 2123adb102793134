// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/DialogWidget.h"

#include "afx/AfxRes.h"
#include "afx/Resources.h"
#include "afx/qt/QtText.h"
#include "afx/qt/RadioButton.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace afx::qt {

namespace {

constexpr int kIconPixels = 32; // an icon control shows its icon at the standard size

// Dialog units to pixels: a horizontal unit is a quarter of the font's average character
// width, a vertical one an eighth of its height.
int HorizontalPixels(int units, int baseX)
{
    return static_cast<int>(std::lround(units * baseX / 4.0));
}

int VerticalPixels(int units, int baseY)
{
    return static_cast<int>(std::lround(units * baseY / 8.0));
}

// A static text's '&' marks a mnemonic and "&&" stands for '&'; this dialog gives static texts
// no mnemonics, so only the text shows.
QString WithoutMnemonics(const QString& text)
{
    QString shown;
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index] == u'&' && index + 1 < text.size()) {
            ++index;
        }
        shown += text[index];
    }
    return shown;
}

} // namespace

DialogWidget::DialogWidget(CWnd& dialog, const DialogResource& tmpl, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_window(dialog, nullptr, *this)
{
    setWindowTitle(ToQString(tmpl.caption));
    // The template's face is the platform's own dialog font; here that is the system's.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (tmpl.pointSize > 0) {
        font.setPointSize(tmpl.pointSize);
    }
    setFont(font);
    const QFontMetrics metrics(font);
    const int baseX =
        static_cast<int>(std::lround(metrics.horizontalAdvance(QStringLiteral(
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                     52.0));
    const int baseY = metrics.height();
    setFixedSize(HorizontalPixels(tmpl.cx, baseX), VerticalPixels(tmpl.cy, baseY));

    for (const DialogItemResource& item : tmpl.items) {
        AddControl(item, baseX, baseY);
    }
    if (m_firstTabStop != nullptr) {
        m_firstTabStop->setFocus(Qt::OtherFocusReason);
    }
}

void DialogWidget::AddControl(const DialogItemResource& item, int baseX, int baseY)
{
    const QRect rect(HorizontalPixels(item.x, baseX), VerticalPixels(item.y, baseY),
                     HorizontalPixels(item.cx, baseX), VerticalPixels(item.cy, baseY));
    const QString text = ToQString(item.text);
    const int id = item.id;
    const bool startsGroup = (item.style & WS_GROUP) != 0;
    if (startsGroup) {
        m_radioGroup = nullptr;
    }

    QWidget* control = nullptr;
    bool focusable = false;
    switch (item.kind) {
    case ControlKind::DefPushButton:
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, this);
        button->setDefault(item.kind == ControlKind::DefPushButton);
        connect(button, &QPushButton::clicked, this, [this, id] { SendCommand(id, BN_CLICKED); });
        control = button;
        focusable = true;
        break;
    }
    case ControlKind::AutoRadioButton: {
        auto* radio = new RadioButton(text, this);
        if (m_radioGroup == nullptr) {
            m_radioGroup = new QButtonGroup(this);
            m_radioGroup->setExclusive(true);
        }
        m_radioGroup->addButton(radio);
        // `clicked` comes after the button is checked, as the dialog's handlers expect.
        connect(radio, &QRadioButton::clicked, this, [this, id] { SendCommand(id, BN_CLICKED); });
        control = radio;
        focusable = true;
        break;
    }
    case ControlKind::Text: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setText((item.style & SS_NOPREFIX) != 0 ? text : WithoutMnemonics(text));
        control = label;
        break;
    }
    case ControlKind::Icon: {
        auto* picture = new QLabel(this);
        if (const IconResource* icon = FindIcon(item.iconId); icon != nullptr) {
            QIcon pictures;
            for (const char* file : icon->files) {
                pictures.addFile(QString::fromUtf8(file));
            }
            picture->setPixmap(pictures.pixmap(kIconPixels, kIconPixels));
        }
        picture->setGeometry(rect.x(), rect.y(), kIconPixels, kIconPixels);
        // A picture has no text of its own; a screen reader names it after the program whose
        // icon it is, rather than stopping on an image it cannot name.
        if (const wchar_t* title = afx::FindString(AFX_IDS_APP_TITLE); title != nullptr) {
            picture->setAccessibleName(QString::fromWCharArray(title));
        }
        return;
    }
    case ControlKind::GroupBox: {
        auto* box = new QGroupBox(text, this);
        box->setGeometry(rect);
        // Only a frame around controls that are its siblings: it stays behind them and lets
        // every click through to them.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->setFocusPolicy(Qt::NoFocus);
        box->lower();
        return;
    }
    }
    if (control == nullptr) {
        return;
    }
    control->setGeometry(rect);
    if (!focusable) {
        return;
    }
    const bool tabStop = (item.style & WS_TABSTOP) != 0;
    control->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    if (m_lastFocusable != nullptr) {
        setTabOrder(m_lastFocusable, control);
    }
    m_lastFocusable = control;
    if (tabStop && m_firstTabStop == nullptr) {
        m_firstTabStop = control;
    }
}

void DialogWidget::End(int result)
{
    if (m_result) {
        return;
    }
    m_result = result;
    done(result);
}

void DialogWidget::SendCommand(int id, UINT code)
{
    // A control's notification names its sender in lParam; keys that stand for OK and Cancel
    // come from no control.
    const LPARAM sender = code == BN_CLICKED ? 1 : 0;
    m_window.Send(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)), sender);
}

void DialogWidget::reject()
{
    // Esc and the close box: the dialog's object decides whether it ends.
    m_window.Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
}

void DialogWidget::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) {
        QDialog::keyPressEvent(event); // Esc rejects
        return;
    }
    // Enter presses the default button; a dialog without one takes it as OK all the same.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible()) {
            if (button->isEnabled()) {
                button->click();
            }
            return;
        }
    }
    m_window.Send(WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
}

} // namespace afx::qt
