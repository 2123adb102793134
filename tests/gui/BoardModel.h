// SPDX-License-Identifier: GPL-3.0-or-later
// The game the program on screen plays, replayed in this process: the same document and board
// on the headless platform, dealt from the same seed and clicked at the same points, so that
// a test knows after every click what the board should show and which boxes should open.
// Its drawing is rendered with the Qt backend's own replay, as the program renders it.
#pragma once

#include "afx/CDC.h"
#include "tests/support/HeadlessBoard.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

class BoardModel {
public:
    // A game of `players` dealt from `seed`, as `--seed seed` deals it, painted.
    BoardModel(int players, unsigned seed);

    // File > New answered with `players`, on the same document and board.
    void NewGame(int players);
    // A release of the left button at `point` of the board, then the repaint it asks for.
    // Returns the texts of the boxes it opened, in order.
    std::vector<std::wstring> Click(QPoint point);

    const CZintra_winDoc& Doc() const { return m_board.doc; }
    const std::vector<CDC::TextItem>& Drawing() const;
    // The board as the program paints it, `size` pixels from the view's top-left corner, on a
    // screen that shows each pixel as `scale` by `scale` of its own.
    QImage Render(QSize size, int scale = 1) const;
    // Where each item of Drawing() stands on the board as the program paints it.
    std::vector<QRect> TextRects() const;

private:
    std::vector<std::wstring> PaintAndCollectBoxes();

    unsigned m_seed;
    HeadlessBoard m_board;
};

// Where to click on the board: the middle of the deck's area, and of a row's band.
QPoint DeckPoint();
QPoint RowPoint(int row);

// The legal clicks of the current player, as points: the deck when a draw is possible, then
// each row that may be taken or filled in the current phase.
std::vector<QPoint> LegalClicks(const CZintra_winDoc& doc);
