// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/BoardModel.h"

#include "afx/qt/DrawingReplay.h"
#include "tests/support/GameFixtures.h"
#include "view/BoardLayout.h"

#include <QFontMetrics>
#include <QPainter>

BoardModel::BoardModel(int players, unsigned seed)
    : m_seed(seed)
{
    NewGame(players);
}

void BoardModel::NewGame(int players)
{
    const FixedSeed fixed(m_seed);
    m_board.doc.NewGame(players);
    PaintAndCollectBoxes();
}

std::vector<std::wstring> BoardModel::Click(QPoint point)
{
    m_board.platform.ClearLog();
    m_board.platform.Click(m_board.view, point.x(), point.y());
    return PaintAndCollectBoxes();
}

std::vector<std::wstring> BoardModel::PaintAndCollectBoxes()
{
    m_board.platform.PaintInvalidated();
    std::vector<std::wstring> texts;
    for (const HeadlessPlatform::Event& box : m_board.platform.Boxes()) {
        texts.emplace_back(box.text.GetString());
    }
    m_board.platform.ClearLog();
    return texts;
}

const std::vector<CDC::TextItem>& BoardModel::Drawing() const
{
    return m_board.platform.LastDrawing(m_board.view);
}

QImage BoardModel::Render(QSize size, int scale) const
{
    // The format of the program's window surface on a 24-bit screen, painted white first as
    // the program clears the view before replaying its record.
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    afx::qt::ReplayDrawing(painter, Drawing());
    painter.end();
    return image;
}

std::vector<QRect> BoardModel::TextRects() const
{
    const QFontMetrics metrics(afx::qt::ViewFont());
    std::vector<QRect> rects;
    for (const CDC::TextItem& item : Drawing()) {
        rects.push_back(afx::qt::TextRect(item, metrics));
    }
    return rects;
}

QPoint DeckPoint()
{
    const CPoint centre = board::DeckClick();
    return {centre.x, centre.y};
}

QPoint RowPoint(int row)
{
    const CPoint centre = board::RowClick(row);
    return {centre.x, centre.y};
}

std::vector<QPoint> LegalClicks(const CZintra_winDoc& doc)
{
    std::vector<QPoint> clicks;
    const bool choosing = doc.m_turnPhase == PHASE_CHOOSE;
    if (choosing && doc.CanMove(MOVE_PLACE)) {
        clicks.push_back(DeckPoint());
    }
    for (int row = 0; row < doc.m_numPlayers; ++row) {
        if (doc.CanMoveOnRow(row, choosing ? MOVE_TAKE : MOVE_PLACE)) {
            clicks.push_back(RowPoint(row));
        }
    }
    return clicks;
}
