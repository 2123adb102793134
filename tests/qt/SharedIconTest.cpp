// SPDX-License-Identifier: GPL-3.0-or-later
// Boxes shown one after another draw the same icons: a box that brought new ones each time
// left their pixmaps in Qt's pixmap cache, and the heap grew with every box.
#include "afx/AfxMessageBox.h"
#include "tests/qt/QtFixture.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

namespace qttest {
namespace {

// Desktops' styles put icons on the buttons of dialogs, as this one does; the offscreen
// platform's style does not.
class ButtonIconsStyle : public QProxyStyle {
public:
    explicit ButtonIconsStyle(QStyle* base)
        : QProxyStyle(base)
    {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons
                   ? 1
                   : QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

class ButtonIcons : public QtBackendTest {
protected:
    ButtonIcons()
        : m_styleBefore(QApplication::style()->name())
    {
        QApplication::setStyle(new ButtonIconsStyle(QStyleFactory::create(m_styleBefore)));
    }
    ~ButtonIcons() override { QApplication::setStyle(m_styleBefore); }
    ButtonIcons(const ButtonIcons&) = delete;
    ButtonIcons& operator=(const ButtonIcons&) = delete;
    ButtonIcons(ButtonIcons&&) = delete;
    ButtonIcons& operator=(ButtonIcons&&) = delete;

private:
    QString m_styleBefore;
};

// The key of the icon on the button of the box that `AfxMessageBox` shows.
qint64 ButtonIconShown()
{
    qint64 key = 0;
    WhenModalOpens([&key](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        ASSERT_EQ(box->buttons().size(), 1);
        key = box->buttons().front()->icon().cacheKey();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    AfxMessageBox(L"You cannot take a row.", MB_OK);
    return key;
}

TEST_F(ButtonIcons, BoxesShowTheSameIconOnTheirButtonEachTime)
{
    OpenFrame();
    const qint64 first = ButtonIconShown();
    ASSERT_NE(first, 0) << "the button shows no icon";
    EXPECT_EQ(ButtonIconShown(), first);
}

TEST_F(QtBackendTest, StandardIconsStayOnePerKind)
{
    OpenFrame();
    const QStyle* style = QApplication::style();
    for (const QStyle::StandardPixmap kind :
         {QStyle::SP_DialogOkButton, QStyle::SP_MessageBoxInformation, QStyle::SP_DirIcon,
          QStyle::SP_FileDialogBack}) {
        EXPECT_EQ(style->standardIcon(kind).cacheKey(), style->standardIcon(kind).cacheKey())
            << "standard pixmap " << kind;
    }
}

} // namespace
} // namespace qttest
