// SPDX-License-Identifier: GPL-3.0-or-later
// The board: draws the whole game as lines of text at fixed places, turns releases of the
// left button, and the keys that stand for them, into moves, and announces the final scores.
// It keeps no copy of the game; every paint reads the document afresh.
#pragma once

#include "afx/CView.h"
#include "game/Zintra_winDoc.h"
#include "view/ComputerTurns.h"

class CZintra_winView : public CView {
    DECLARE_DYNCREATE(CZintra_winView)

public:
    CZintra_winView();
    ~CZintra_winView() override;

    // The game this board shows; null when the view has no document, or one of another kind.
    CZintra_winDoc* GetDocument() const;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Names the board for assistive technology, then shows the new game as the base does.
    // Computer players start the new game afresh.
    void OnInitialUpdate() override;
    // Draws the board; the first paint of the first last round this view sees announces it
    // in a box before drawing.
    void OnDraw(CDC* pDC) override;
    // Shows every player's final score and the winners in one box, and returns once it is
    // closed.
    void ShowFinalResults();

    // From now on computers hold `players`' seats, from the game on the board on.
    void SetComputerPlayers(const ComputerPlayers& players);

protected:
    // A click on the board: draw on the deck, take or fill a row. While a computer is to move,
    // only its own clicks count.
    void OnLButtonUp(UINT nFlags, CPoint point);
    // A key stands for a click in the middle of what it names: Space or D for the deck, 1 to 5
    // (on the main block or the keypad) for that row. A key held down does not repeat its
    // move; every other key is passed on.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The pause before a computer's step is over: it clicks.
    void OnTimer(UINT_PTR nIDEvent);

    DECLARE_MESSAGE_MAP()

private:
    // The move a click at `point` makes on `doc`, refused moves and the results included.
    void PlayClick(CZintra_winDoc& doc, CPoint point);

    ComputerTurns m_computers{*this};
    // Whether this view has announced a last round. Set before the box opens, since the box's
    // loop may paint the view again, and never cleared: later games show only the banner.
    bool m_lastRoundShown = false;
};
