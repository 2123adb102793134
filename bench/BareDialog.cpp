// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for bench/startup.sh: a Qt Widgets program that does nothing but show a
// dialog like the game's first one ("Number of Players": a line of text, four radio buttons in
// a frame, an OK button), laid out from its font as any Qt dialog is, and wait. Whatever the
// game does before its first window beyond this is its own.
//
//   bare_dialog [--game-icon]
//
// With --game-icon the dialog carries the game's icon, at every size the game has it, as the game's
// first dialog does: sending that many pictures to the X server is the toolkit's work too.
#include "res/IconFiles.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstring>

int main(int argc, char* argv[])
{
    // Looked at before Qt takes the options it knows out of the command line.
    const bool gameIcon = argc > 1 && std::strcmp(argv[1], "--game-icon") == 0;
    const QApplication application(argc, argv);
    if (gameIcon) {
        QIcon icon;
        for (const char* file : res::kApplicationIconFiles) {
            QImageReader reader(QString::fromUtf8(file), "png");
            reader.setAutoDetectImageFormat(false); // Qt's own reader, no plugin asked
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
        QApplication::setWindowIcon(icon);
    }
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
