// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a release of the left button into a move: draw on the deck, then place on a row; or
// take a row. Refused moves are explained in a box and change nothing. Computer players click
// here too.
#include "afx/AfxMessageBox.h"
#include "view/BoardLayout.h"
#include "view/Zintra_winView.h"

void CZintra_winView::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    CZintra_winDoc* pDoc = GetDocument();
    if (pDoc == nullptr) {
        return;
    }
    // A person's click while a computer is to move is not refused: it is simply not a move.
    if (!m_computers.MayPlay(*pDoc)) {
        Default();
        return;
    }
    PlayClick(*pDoc, point);
    m_computers.FollowTurn(*pDoc);
}

void CZintra_winView::PlayClick(CZintra_winDoc& doc, CPoint point)
{
    if (doc.m_gameOver) {
        Default();
        return;
    }

    const int row = board::RowAt(point);

    if (doc.m_turnPhase == PHASE_CHOOSE) {
        if (board::IsOnDeck(point)) {
            // The drawn card stays on top of the deck; the board shows it and the place move
            // puts it down.
            if (doc.CanMove(MOVE_PLACE)) {
                doc.m_turnPhase = PHASE_PLACE;
            } else {
                AfxMessageBox(CString("You cannot draw."), MB_OK, 0);
            }
            Invalidate();
            Default();
            return;
        }
        if (row == -1) {
            Default();
            return;
        }
        if (!doc.CanMove(MOVE_TAKE)) {
            Default();
            AfxMessageBox(CString("You cannot take a row."), MB_OK, 0);
            return;
        }
        if (!doc.CanMoveOnRow(row, MOVE_TAKE)) {
            Default();
            AfxMessageBox(CString("You cannot take that row."), MB_OK, 0);
            return;
        }
        const int gameOver = doc.ApplyMove(MOVE_TAKE, row);
        doc.m_turnPhase = PHASE_CHOOSE;
        Invalidate();
        if (gameOver == 1) {
            // Set before the box opens, so that a paint while it is open shows the finished
            // game and a click is ignored.
            doc.m_gameOver = true;
            ShowFinalResults();
        }
        Default();
        return;
    }

    if (row == -1) {
        Default();
        return;
    }
    if (!doc.CanMoveOnRow(row, MOVE_PLACE)) {
        Default();
        AfxMessageBox(CString("You cannot place on that row."), MB_OK, 0);
        return;
    }
    doc.ApplyMove(MOVE_PLACE, row); // a place never ends the game
    doc.m_turnPhase = PHASE_CHOOSE;
    Invalidate();
    Default();
}
