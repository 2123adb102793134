// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the game: every player's final score and the winner, or the tied winners, in
// one box.
#include "afx/AfxMessageBox.h"
#include "view/Zintra_winView.h"

#include <cstddef>
#include <vector>

void CZintra_winView::ShowFinalResults()
{
    const CZintra_winDoc* pDoc = GetDocument();
    if (pDoc == nullptr) {
        return;
    }
    const std::vector<int> scores = pDoc->AllScores();
    const int best = pDoc->MaxScore(scores);
    const std::vector<int> winners = pDoc->PlayersWithScore(best);

    CString message("Final Scores\n");
    for (std::size_t i = 0; i < scores.size(); ++i) {
        message.AppendFormat(CString("Player #%d: %d\n"), static_cast<int>(i) + 1, scores[i]);
    }
    message += CString("\n\nThe winner");
    if (winners.size() == 1) {
        message.AppendFormat(CString(" is Player #%d!"), winners.front());
    } else {
        // Every tied player is named, the last after "and", with the comma before it kept
        // even for two.
        message += CString("s are ");
        for (std::size_t i = 0; i + 1 < winners.size(); ++i) {
            message.AppendFormat(CString("Player #%d, "), winners[i]);
        }
        if (!winners.empty()) {
            message.AppendFormat(CString("and Player #%d!"), winners.back());
        }
    }
    AfxMessageBox(message, MB_OK, 0);
}
