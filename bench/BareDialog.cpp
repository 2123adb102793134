// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for bench/startup.sh: a Qt Widgets program that does nothing but show a
// dialog like the game's first one ("Number of Players": a line of text, four radio buttons in
// a frame, an OK button), laid out from its font as any Qt dialog is, and wait. Whatever the
// game does before its first window beyond this is its own.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    const QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Number of Players"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Please select the number of players.")));
    auto* frame = new QGroupBox;
    auto* choices = new QHBoxLayout(frame);
    for (int players = 2; players <= 5; ++players) {
        choices->addWidget(new QRadioButton(QString::number(players)));
    }
    layout->addWidget(frame);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    dialog.setFixedSize(dialog.sizeHint());
    return dialog.exec();
}
