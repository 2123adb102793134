// SPDX-License-Identifier: GPL-3.0-or-later
// Computer players on the board: which seats they hold, how well and how fast they play, and
// when one of them is to move. A computer plays as a person does, one click at a time on the
// deck or a row, through the board's own click handling, after a pause that lets everyone see
// the board first; it waits while any box is open, and meanwhile the person's clicks do
// nothing.
#pragma once

#include "afx/CPoint.h"
#include "ai/Level.h"
#include "game/GameTypes.h"

#include <bitset>
#include <cstdint>
#include <optional>

class CView;
class GameRules;

// Who the computers are and how they play, as the command line gives it.
struct ComputerPlayers {
    static constexpr UINT DEFAULT_PACE = 700;
    static constexpr UINT MAX_PACE = 10000;

    std::bitset<MAX_PLAYERS> seats; // seat s (0-based) is a computer's; seats not in play idle
    Level level = Level::Normal;
    UINT pace = DEFAULT_PACE; // milliseconds before each step
    // The seed of every game's choices, for a run that is to replay; none: a fresh one each game.
    std::optional<unsigned> seed;
};

class ComputerTurns {
public:
    // The id of the board's timer that ends a pause.
    static constexpr UINT_PTR TIMER_ID = 1;

    // Plays on `board`, whose timer and whose frame's status bar it uses. No seat is a
    // computer's until SetPlayers.
    explicit ComputerTurns(CView& board);

    // From now on `players` hold their seats; the game on the board goes on with them.
    void SetPlayers(const ComputerPlayers& players, const GameRules& game);
    // A new game is on the board: whatever step was pending is dropped, and the game gets its
    // own seed for the computers' choices.
    void NewGame(const GameRules& game);

    // Whether a computer holds the seat to move in a game that is not over.
    bool IsComputerToMove(const GameRules& game) const;
    // Whether a click on the board may be played now: always, but while a computer is to move
    // only the computer's own.
    bool MayPlay(const GameRules& game) const { return m_stepping || !IsComputerToMove(game); }
    // After every move: starts the pause before a computer's step when one is to move, stops it
    // otherwise, and keeps the status bar saying which seat a computer plays.
    void FollowTurn(const GameRules& game);

    // The board's timer: the pause is over. Returns where the computer to move clicks for its
    // step, to be played through the board's click handling inside a Stepping scope; none when
    // there is nothing to play now (a box is open, and the computers wait for it to close, or
    // no computer is to move).
    std::optional<CPoint> StepDue(const GameRules& game);

    // Marks the click played inside it as the computer's.
    class Stepping {
    public:
        explicit Stepping(ComputerTurns& turns);
        ~Stepping();
        Stepping(const Stepping&) = delete;
        Stepping& operator=(const Stepping&) = delete;
        Stepping(Stepping&&) = delete;
        Stepping& operator=(Stepping&&) = delete;

    private:
        ComputerTurns& m_turns;
    };

private:
    void StartPause(UINT milliseconds);
    void StopPause();
    void ShowWhoPlays(const GameRules& game);

    CView& m_board;
    ComputerPlayers m_players;
    std::uint64_t m_gameSeed = 0;
    bool m_pauseRuns = false;
    bool m_waitingForBox = false; // a pause ended while a box was open
    bool m_stepping = false;
    int m_seatShown = -1; // the seat the status bar names; -1: it names none
};
