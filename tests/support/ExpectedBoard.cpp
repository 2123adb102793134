// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ExpectedBoard.h"

#include <array>
#include <cstddef>
#include <string>

namespace {

const std::array<std::wstring, 9> kLabels = {L"R", L"G", L"B", L"Y", L"P", L"S", L"V", L"W", L"+2"};

std::wstring Label(CardCode card)
{
    return kLabels.at(static_cast<std::size_t>(card));
}

} // namespace

std::vector<CDC::TextItem> ExpectedBoard(const CZintra_winDoc& doc)
{
    std::vector<CDC::TextItem> items;
    const auto add = [&items](int x, int y, const std::wstring& text) {
        items.push_back({x, y, CString(text)});
    };
    const auto players = static_cast<std::size_t>(doc.m_numPlayers);

    if (doc.UndealtCount() <= 3 * doc.m_numPlayers + 1) {
        add(200, 0, L"LAST ROUND!!");
    }
    for (std::size_t i = 0; i < players; ++i) {
        const RowState& row = doc.m_rows.at(i);
        std::wstring line = L"Row #" + std::to_wstring(i + 1) + L"| ";
        if (row.taken) {
            line += L"  Taken  ";
        } else {
            for (const CardCode card : row.slots) {
                if (card == CARD_EMPTY) {
                    break;
                }
                line += L"  " + Label(card);
            }
        }
        add(200, 40 + 40 * static_cast<int>(i), line);
    }
    add(50, 100, L"Draw!");
    add(400, 260, L"Hands");
    for (std::size_t i = 0; i < players; ++i) {
        const PlayerState& player = doc.m_players.at(i);
        std::wstring line = L"Player #" + std::to_wstring(i + 1) + L"   ";
        for (std::size_t colour = 0; colour < player.colourCount.size(); ++colour) {
            line += Label(static_cast<CardCode>(colour)) + L":" +
                    std::to_wstring(player.colourCount.at(colour)) + L"   ";
        }
        line += L"W:" + std::to_wstring(player.wildCount) + L"   ";
        line += L"+2:" + std::to_wstring(player.bonusCount) + L"   ";
        if (player.tookRow) {
            line += L"Taken";
        }
        add(200, 300 + 60 * static_cast<int>(i), line);
    }
    if (!doc.m_gameOver) {
        std::wstring prompt =
            L"It is Player #" + std::to_wstring(doc.m_currentPlayer + 1) + L"'s turn.  ";
        if (doc.m_turnPhase == PHASE_CHOOSE) {
            prompt += L"Click on the deck to draw a card or on a row to take it.";
        } else if (doc.m_turnPhase == PHASE_PLACE) {
            prompt += L"Click on the row you wish to add the card to.";
        }
        add(100, 600, prompt);
    }
    if (doc.m_turnPhase == PHASE_PLACE) {
        add(50, 150, Label(*doc.m_deckTop));
    }
    return items;
}
