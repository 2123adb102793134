// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the board: the banner, the rows, the deck, the hands, the prompt and the drawn card.
#include "afx/AfxMessageBox.h"
#include "afx/CDC.h"
#include "view/BoardLayout.h"
#include "view/CardLabels.h"
#include "view/Zintra_winView.h"

#include <algorithm>
#include <cstddef>

namespace {

// A card's label; nothing for a code outside the table, so that no state can make a paint
// read past it.
CString LabelOf(CardCode card)
{
    return card >= 0 && card <= CARD_BONUS ? g_cardLabels[static_cast<std::size_t>(card)]
                                           : CString();
}

// "Row #2|   B  W  G": the cards up to the first empty slot, or "Taken" once a player has the
// row.
CString RowLine(int index, const RowState& row)
{
    CString line("Row #");
    line.AppendFormat(L"%d| ", index + 1);
    if (row.taken) {
        line += L"  Taken  ";
        return line;
    }
    for (const CardCode card : row.slots) {
        if (card == CARD_EMPTY) {
            break;
        }
        line += L"  ";
        line += LabelOf(card);
    }
    return line;
}

// "Player #1   R:0   G:0 ...   +2:0   ", with "Taken" behind it while the player sits the
// round out.
CString PlayerLine(int index, const PlayerState& player)
{
    CString line("Player #");
    line.AppendFormat(L"%d   ", index + 1);
    for (CardCode colour = 0; colour < NUM_COLOURS; ++colour) {
        line += LabelOf(colour);
        line.AppendFormat(L":%d   ", player.colourCount[static_cast<std::size_t>(colour)]);
    }
    line += LabelOf(CARD_WILD);
    line.AppendFormat(L":%d   ", player.wildCount);
    line += LabelOf(CARD_BONUS);
    line.AppendFormat(L":%d   ", player.bonusCount);
    if (player.tookRow) {
        line += L"Taken";
    }
    return line;
}

CString PromptLine(const CZintra_winDoc& doc)
{
    CString line("It is Player #");
    line.AppendFormat(L"%d's turn.  ", doc.m_currentPlayer + 1);
    if (doc.m_turnPhase == PHASE_CHOOSE) {
        line += L"Click on the deck to draw a card or on a row to take it.";
    } else if (doc.m_turnPhase == PHASE_PLACE) {
        line += L"Click on the row you wish to add the card to.";
    }
    return line;
}

} // namespace

void CZintra_winView::OnDraw(CDC* pDC)
{
    const CZintra_winDoc* pDoc = GetDocument();
    if (pDoc == nullptr) {
        return;
    }

    if (pDoc->IsLastRound()) {
        if (!m_lastRoundShown) {
            m_lastRoundShown = true;
            AfxMessageBox(CString("This will be the last round!"), MB_OK, 0);
        }
        pDC->TextOut(board::kBannerX, board::kBannerY, L"LAST ROUND!!");
    }

    // The document keeps one row and one record per player; reading no further than both
    // hold keeps a paint inside the arrays whatever state it meets.
    const int rows = std::min(pDoc->m_numPlayers, static_cast<int>(pDoc->m_rows.size()));
    for (int i = 0; i < rows; ++i) {
        pDC->TextOut(board::kRowX, board::RowY(i),
                     RowLine(i, pDoc->m_rows[static_cast<std::size_t>(i)]));
    }

    pDC->TextOut(board::kDeckX, board::kDeckY, L"Draw!");
    pDC->TextOut(board::kHandsX, board::kHandsY, L"Hands");

    const int players = std::min(pDoc->m_numPlayers, static_cast<int>(pDoc->m_players.size()));
    for (int i = 0; i < players; ++i) {
        pDC->TextOut(board::kPlayerX, board::PlayerY(i),
                     PlayerLine(i, pDoc->m_players[static_cast<std::size_t>(i)]));
    }

    if (!pDoc->m_gameOver) {
        pDC->TextOut(board::kPromptX, board::kPromptY, PromptLine(*pDoc));
    }

    // The drawn card is the top of the deck until it is placed; a deck with nothing left has
    // none to show.
    if (pDoc->m_turnPhase == PHASE_PLACE && pDoc->UndealtCount() > 0) {
        pDC->TextOut(board::kDrawnCardX, board::kDrawnCardY, LabelOf(*pDoc->m_deckTop));
    }
}
