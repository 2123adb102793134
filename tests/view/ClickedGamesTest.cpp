// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameFixtures.h"
#include "tests/support/HeadlessBoard.h"
#include "tests/support/Printers.h"
#include "tests/view/BoardFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::wstring kLastRound = L"This will be the last round!";

bool IsResults(const HeadlessPlatform::Event& box)
{
    return std::wstring(box.text.GetString()).starts_with(L"Final Scores\n");
}

// Plays whole games with clicks alone, as a person at the screen would: mostly on a legal
// target, at a random point inside its area, now and then anywhere at all (off the board
// included), and after every repaint request checks what the board shows.
class ClickedGame {
public:
    ClickedGame(int players, unsigned seed)
        : m_random(seed)
    {
        const FixedSeed fixed(seed);
        m_doc.NewGame(players);
    }

    void Play()
    {
        m_platform.whileBoxOpen = [this](const HeadlessPlatform::Event& box) {
            // Whatever the box, the game is already in the state the board will show.
            if (IsResults(box)) {
                EXPECT_TRUE(m_doc.m_gameOver);
                EXPECT_TRUE(m_platform.NeedsPaint(m_view));
            }
        };
        CheckRepaint();
        for (int click = 0; click < 3000 && !m_doc.m_gameOver; ++click) {
            ClickOnce();
            CheckRepaint();
            if (testing::Test::HasFailure()) {
                return;
            }
        }
        ASSERT_TRUE(m_doc.m_gameOver) << "the game never ended";

        // The finished game ignores every click until a new game.
        const GameSnapshot over = Snapshot(m_doc);
        for (int click = 0; click < 20; ++click) {
            ClickOnce();
        }
        EXPECT_EQ(Snapshot(m_doc), over);
        EXPECT_FALSE(m_platform.NeedsPaint(m_view));

        int lastRoundBoxes = 0;
        int resultsBoxes = 0;
        for (const HeadlessPlatform::Event& box : m_platform.Boxes()) {
            lastRoundBoxes += box.text.GetString() == kLastRound ? 1 : 0;
            resultsBoxes += IsResults(box) ? 1 : 0;
        }
        EXPECT_EQ(lastRoundBoxes, 1);
        EXPECT_EQ(resultsBoxes, 1);
    }

private:
    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    // A point strictly inside the deck area, or inside a row's band.
    CPoint OnDeck() { return {51 + Below(49), 81 + Below(59)}; }
    CPoint OnRow(int row) { return {201 + Below(49), 40 * (row + 1) + 1 + Below(19)}; }

    CPoint PickPoint()
    {
        if (Below(6) == 0) {
            return {Below(900) - 100, Below(900) - 100};
        }
        std::vector<CPoint> targets;
        if (m_doc.m_turnPhase == PHASE_CHOOSE && m_doc.CanMove(MOVE_PLACE)) {
            targets.push_back(OnDeck());
        }
        const MoveKind kind = m_doc.m_turnPhase == PHASE_CHOOSE ? MOVE_TAKE : MOVE_PLACE;
        for (int row = 0; row < m_doc.m_numPlayers; ++row) {
            if (m_doc.CanMoveOnRow(row, kind)) {
                targets.push_back(OnRow(row));
            }
        }
        return targets.empty()
                   ? OnRow(Below(5))
                   : targets[static_cast<std::size_t>(Below(static_cast<int>(targets.size())))];
    }

    void ClickOnce()
    {
        const GameSnapshot before = Snapshot(m_doc);
        const std::size_t boxesBefore = m_platform.Boxes().size();
        const CPoint point = PickPoint();
        m_platform.Click(m_view, point.x, point.y);

        const std::vector<HeadlessPlatform::Event> boxes = m_platform.Boxes();
        if (boxes.size() > boxesBefore && !IsResults(boxes.back())) {
            EXPECT_EQ(Snapshot(m_doc), before)
                << "a refused move changed the game at (" << point.x << ", " << point.y << ")";
        }
    }

    void CheckRepaint()
    {
        if (m_platform.NeedsPaint(m_view)) {
            m_platform.PaintInvalidated();
            EXPECT_EQ(m_platform.LastDrawing(m_view), ExpectedBoard(m_doc));
        }
    }

    std::mt19937 m_random;
    HeadlessBoard m_board;
    HeadlessPlatform& m_platform = m_board.platform;
    CZintra_winDoc& m_doc = m_board.doc;
    CZintra_winView& m_view = m_board.view;
};

TEST(ClickedGames, ReachTheResultsBoxForEveryPlayerCount)
{
    for (int players = 2; players <= 5; ++players) {
        for (unsigned seed = 1; seed <= 40; ++seed) {
            SCOPED_TRACE(testing::Message() << players << " players, seed " << seed);
            ClickedGame(players, seed).Play();
            if (testing::Test::HasFailure()) {
                return;
            }
        }
    }
}

} // namespace
