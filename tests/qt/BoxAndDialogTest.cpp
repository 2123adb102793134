// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/AfxMessageBox.h"
#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

namespace qttest {
namespace {

enum class Closing { Enter, Escape, CloseBox };

void Close(QWidget* modal, Closing how)
{
    switch (how) {
    case Closing::Enter:
        QTest::keyClick(modal, Qt::Key_Return);
        break;
    case Closing::Escape:
        QTest::keyClick(modal, Qt::Key_Escape);
        break;
    case Closing::CloseBox:
        modal->close();
        break;
    }
}

const char* Name(Closing how)
{
    switch (how) {
    case Closing::Enter:
        return "Enter";
    case Closing::Escape:
        return "Escape";
    case Closing::CloseBox:
        return "CloseBox";
    }
    return "";
}

bool CentredOver(const QRect& inner, const QRect& outer)
{
    return (inner.center() - outer.center()).manhattanLength() <= 4;
}

struct BoxCase {
    UINT type;
    QMessageBox::Icon icon;
    Closing closing;
};

class Boxes : public QtBackendTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(Boxes, ShowTheirTextUnderTheProgramsTitleWithOneButton)
{
    OpenFrame();
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    const QWidget* parent = nullptr;
    bool centred = false;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        parent = box->parentWidget();
        centred = CentredOver(box->geometry(), FrameWidget()->geometry());
        Close(box, GetParam().closing);
    });
    EXPECT_EQ(AfxMessageBox(L"You cannot <b>draw</b>.", GetParam().type), IDOK);
    EXPECT_EQ(title, "Backend Test");
    EXPECT_EQ(text, "You cannot <b>draw</b>.");
    EXPECT_EQ(icon, GetParam().icon);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(parent, FrameWidget());
    EXPECT_TRUE(centred);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Boxes,
    testing::Values(BoxCase{MB_OK, QMessageBox::NoIcon, Closing::Enter},
                    BoxCase{MB_OK, QMessageBox::NoIcon, Closing::Escape},
                    BoxCase{MB_OK, QMessageBox::NoIcon, Closing::CloseBox},
                    BoxCase{MB_OK | MB_ICONINFORMATION, QMessageBox::Information, Closing::Enter}),
    [](const auto& param) {
        return std::string(param.param.icon == QMessageBox::NoIcon ? "Plain" : "Information") +
               "ClosedBy" + Name(param.param.closing);
    });

TEST_F(Boxes, StandAloneWhileNoFrameIsOnScreen)
{
    OpenFrame(false);
    const QWidget* parent = FrameWidget();
    WhenModalOpens([&parent](QWidget* modal) {
        parent = modal->parentWidget();
        modal->close();
    });
    AfxMessageBox(L"Early words");
    EXPECT_EQ(parent, nullptr);
}

class Dialogs : public QtBackendTest {
protected:
    // The radio button of `dialog` that shows `text`.
    static QRadioButton* Radio(const QWidget* dialog, const QString& text)
    {
        for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
            if (radio->text() == text) {
                return radio;
            }
        }
        return nullptr;
    }

    // Clicks `point` of `widget` as the window system delivers it: to whatever lies there.
    static void ClickAt(const QWidget* widget, QPoint point)
    {
        QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                          widget->mapTo(widget->window(), point));
    }
};

TEST_F(Dialogs, OpenWithNoRadioCheckedAndTheirCaptionSizeAndFocusFromTheTemplate)
{
    TestDialog dialog(IDD_CHOOSE);
    QStringList checkedAtStart{"?"};
    QString title;
    bool fixedSize = false;
    QString focused;
    bool okIsDefault = false;
    bool attached = false;
    WhenModalOpens([&](QWidget* modal) {
        checkedAtStart = CheckedRadios(modal);
        title = modal->windowTitle();
        fixedSize = modal->minimumSize() == modal->maximumSize();
        if (const auto* button = qobject_cast<QPushButton*>(modal->focusWidget())) {
            focused = button->text();
            okIsDefault = button->isDefault();
        }
        attached = platform.WidgetOf(dialog.m_hWnd) == modal;
        modal->close();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(checkedAtStart.isEmpty());
    EXPECT_EQ(title, "Seats");
    EXPECT_TRUE(fixedSize);
    EXPECT_EQ(focused, "OK") << "the first tab stop has the focus";
    EXPECT_TRUE(okIsDefault);
    EXPECT_TRUE(attached);
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "detached once it has ended";
}

TEST_F(Dialogs, PlaceTheirControlsByDialogUnitsOfTheirFont)
{
    TestDialog dialog(IDD_CHOOSE);
    WhenModalOpens([](QWidget* modal) {
        const QLabel* prompt = modal->findChild<QLabel*>();
        const QGroupBox* group = modal->findChild<QGroupBox*>();
        const QPushButton* ok = modal->findChild<QPushButton*>();
        ASSERT_TRUE(prompt != nullptr && group != nullptr && ok != nullptr);
        // Eight units down make a line of text; the prompt's 118 units across hold its 25
        // characters with room to spare, but not twice over.
        const int line = prompt->fontMetrics().height();
        EXPECT_NEAR(prompt->height(), line, 2);
        EXPECT_LE(prompt->sizeHint().width(), prompt->width()) << "the whole prompt shows";
        EXPECT_LT(prompt->width(), 2 * prompt->sizeHint().width());
        for (const QRadioButton* radio : modal->findChildren<QRadioButton*>()) {
            EXPECT_TRUE(group->geometry().contains(radio->geometry()))
                << radio->text().toStdString();
            EXPECT_LE(radio->sizeHint().width(), radio->width() + 2);
        }
        EXPECT_LT(prompt->geometry().bottom(), group->geometry().top());
        EXPECT_LT(group->geometry().bottom(), ok->geometry().top());
        EXPECT_TRUE(modal->rect().contains(ok->geometry()));
        modal->close();
    });
    dialog.DoModal();
}

TEST_F(Dialogs, CheckARadioClickedAnywhereInItsRectangleBeforeTellingTheDialog)
{
    TestDialog dialog(IDD_CHOOSE);
    bool okStaysDefault = false;
    WhenModalOpens([&okStaysDefault](QWidget* modal) {
        // The far corner is neither the round mark nor the text, and the group box lies
        // over it in the template.
        const QRadioButton* four = Radio(modal, "4");
        ClickAt(four, four->rect().bottomRight());
        const QRadioButton* three = Radio(modal, "3");
        ClickAt(three, QPoint(three->width() - 1, 0));
        okStaysDefault = modal->findChild<QPushButton*>()->isDefault();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.Clicks(), (std::vector<int>{1002, 1001, IDOK}));
    ASSERT_GE(dialog.commands.size(), 2U);
    EXPECT_EQ(dialog.commands[0].checked, QStringList{"4"});
    EXPECT_EQ(dialog.commands[1].checked, QStringList{"3"});
    EXPECT_TRUE(okStaysDefault) << "Enter means OK while a radio has the focus";
}

TEST_F(Dialogs, CheckTheRadioTheArrowKeysOrSpaceChoose)
{
    TestDialog dialog(IDD_CHOOSE);
    QStringList finallyChecked;
    WhenModalOpens([&finallyChecked](QWidget* modal) {
        QRadioButton* two = Radio(modal, "2");
        ClickAt(two, QPoint(2, 2));
        QTest::keyClick(two, Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // round to the last
        QTest::keyClick(Radio(modal, "4"), Qt::Key_Space);
        finallyChecked = CheckedRadios(modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.Clicks(), (std::vector<int>{1000, 1001, 1000, 1003, 1002}));
    EXPECT_EQ(finallyChecked, QStringList{"4"});
    for (const auto& command : dialog.commands) {
        if (command.code == BN_CLICKED && command.lParam != 0) {
            EXPECT_EQ(command.checked.size(), 1) << "one radio at a time";
        }
    }
}

class DialogEndings : public Dialogs, public testing::WithParamInterface<Closing> {};

TEST_P(DialogEndings, AskTheDialogObjectWhichEndsIt)
{
    TestDialog dialog(IDD_CHOOSE);
    WhenModalOpens([](QWidget* modal) { Close(modal, GetParam()); });
    const int expected = GetParam() == Closing::Enter ? IDOK : IDCANCEL;
    EXPECT_EQ(dialog.DoModal(), expected);
    ASSERT_FALSE(dialog.commands.empty());
    EXPECT_EQ(dialog.commands.back().id, expected);
}

INSTANTIATE_TEST_SUITE_P(Ways, DialogEndings,
                         testing::Values(Closing::Enter, Closing::Escape, Closing::CloseBox),
                         [](const auto& param) { return std::string(Name(param.param)); });

TEST_F(Dialogs, ShowStaticTextsAndIcons)
{
    TestDialog dialog(IDD_NOTE);
    QStringList texts;
    QSize iconSize;
    WhenModalOpens([&](QWidget* modal) {
        for (const QLabel* label : modal->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                iconSize = label->pixmap().size();
            } else {
                texts.append(label->text());
            }
        }
        modal->close();
    });
    dialog.DoModal();
    EXPECT_EQ(texts, (QStringList{"R&D Version 2", "Fish & Chips"}));
    EXPECT_EQ(iconSize, QSize(32, 32));
}

TEST_F(Dialogs, CentreOverTheirVisibleOwnerOrElseOnTheScreen)
{
    OpenFrame(false);
    bool centredOnScreen = false;
    TestDialog early(IDD_CHOOSE, frame.get());
    WhenModalOpens([&centredOnScreen](QWidget* modal) {
        centredOnScreen = CentredOver(modal->frameGeometry(), modal->screen()->availableGeometry());
        modal->close();
    });
    early.DoModal();
    EXPECT_TRUE(centredOnScreen) << "its owner is not on screen yet";

    frame->ShowWindow(SW_SHOW);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FrameWidget()));
    bool centredOnFrame = false;
    TestDialog later(IDD_CHOOSE, frame.get());
    WhenModalOpens([this, &centredOnFrame](QWidget* modal) {
        centredOnFrame = CentredOver(modal->frameGeometry(), FrameWidget()->frameGeometry());
        modal->close();
    });
    later.DoModal();
    EXPECT_TRUE(centredOnFrame);
}

TEST_F(Dialogs, AnswerTheOpenPromptWithTheChosenFileOrNothing)
{
    OpenFrame();
    const QTemporaryDir folder;
    const QString chosen = folder.filePath("game.txt");
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    WhenModalOpens([&chosen](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        files->selectFile(chosen);
        static_cast<QDialog*>(files)->accept();
    });
    CString path;
    EXPECT_EQ(platform.PromptForFileToOpen(frame->m_hWnd, path), TRUE);
    EXPECT_EQ(QString::fromWCharArray(path.GetString()), chosen);

    WhenModalOpens([](QWidget* modal) { modal->close(); });
    CString untouched(L"unchanged");
    EXPECT_EQ(platform.PromptForFileToOpen(frame->m_hWnd, untouched), FALSE);
    EXPECT_EQ(untouched, CString(L"unchanged"));
}

TEST_F(QtBackendTest, MessageLoopEndsWithTheCodeGivenBeforeOrWhileItRuns)
{
    platform.PostQuitMessage(3);
    EXPECT_EQ(platform.RunMessageLoop(), 3) << "start-up gave up before the loop";

    QTimer::singleShot(0, [this] { platform.PostQuitMessage(4); });
    EXPECT_EQ(platform.RunMessageLoop(), 4);
}

} // namespace
} // namespace qttest
