// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ComputerTurns.h"

#include "afx/AfxRes.h"
#include "afx/CFrameWnd.h"
#include "afx/CString.h"
#include "afx/CView.h"
#include "afx/ModalState.h"
#include "ai/ComputerPlayer.h"
#include "ai/Observation.h"
#include "game/GameRules.h"
#include "view/BoardLayout.h"

#include <random>

namespace {

// How often a computer whose pause ended while a box was open looks again. Once the box has
// closed, its full pause starts afresh, so that the board is seen before the step.
constexpr UINT kBoxCheckInterval = 100;

std::uint64_t FreshSeed()
{
    std::random_device device;
    return static_cast<std::uint64_t>(device()) << 32U | device();
}

} // namespace

ComputerTurns::ComputerTurns(CView& board)
    : m_board(board)
{}

void ComputerTurns::SetPlayers(const ComputerPlayers& players, const GameRules& game)
{
    m_players = players;
    NewGame(game);
}

void ComputerTurns::NewGame(const GameRules& game)
{
    StopPause();
    m_waitingForBox = false;
    if (m_players.seed) {
        m_gameSeed = *m_players.seed;
    } else if (m_players.seats.any()) {
        m_gameSeed = FreshSeed();
    }
    FollowTurn(game);
}

bool ComputerTurns::IsComputerToMove(const GameRules& game) const
{
    const int seat = game.m_currentPlayer;
    return !game.m_gameOver && seat >= 0 && seat < game.m_numPlayers &&
           m_players.seats.test(static_cast<std::size_t>(seat));
}

void ComputerTurns::FollowTurn(const GameRules& game)
{
    if (IsComputerToMove(game)) {
        if (!m_pauseRuns) {
            StartPause(m_players.pace);
        }
    } else {
        StopPause();
        m_waitingForBox = false;
    }
    ShowWhoPlays(game);
}

std::optional<CPoint> ComputerTurns::StepDue(const GameRules& game)
{
    StopPause();
    if (!IsComputerToMove(game)) {
        FollowTurn(game);
        return std::nullopt;
    }
    ShowWhoPlays(game); // again: closing a menu puts the idle message back
    if (afx::InModalState()) {
        m_waitingForBox = true;
        StartPause(kBoxCheckInterval);
        return std::nullopt;
    }
    if (m_waitingForBox) {
        m_waitingForBox = false;
        StartPause(m_players.pace);
        return std::nullopt;
    }
    const Observation table = Observe(game);
    const Step step = ChooseStep(m_players.level, table, StepSeed(m_gameSeed, table));
    return step.kind == StepKind::Draw ? board::DeckClick() : board::RowClick(step.row);
}

void ComputerTurns::StartPause(UINT milliseconds)
{
    m_pauseRuns = m_board.SetTimer(TIMER_ID, milliseconds) != 0;
}

void ComputerTurns::StopPause()
{
    if (m_pauseRuns) {
        m_board.KillTimer(TIMER_ID);
        m_pauseRuns = false;
    }
}

void ComputerTurns::ShowWhoPlays(const GameRules& game)
{
    CFrameWnd* frame = m_board.GetParentFrame();
    if (IsComputerToMove(game)) {
        m_seatShown = game.m_currentPlayer;
        if (frame != nullptr) {
            CString text;
            text.Format(L"Player #%d (computer) is playing", m_seatShown + 1);
            frame->SetMessageText(text);
        }
    } else if (m_seatShown != -1) {
        m_seatShown = -1;
        if (frame != nullptr) {
            frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
        }
    }
}

ComputerTurns::Stepping::Stepping(ComputerTurns& turns)
    : m_turns(turns)
{
    m_turns.m_stepping = true;
}

ComputerTurns::Stepping::~Stepping()
{
    m_turns.m_stepping = false;
}
