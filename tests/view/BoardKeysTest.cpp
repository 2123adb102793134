// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with the keyboard: every key that names the deck or a row does what a click on it
// does, move for move, box for box and repaint for repaint; other keys, and keys held down,
// only pass on.
#include "tests/support/GameFixtures.h"
#include "tests/support/HeadlessBoard.h"
#include "tests/support/Printers.h"
#include "tests/view/BoardFixture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::wstring>;

const std::wstring kKeyPassedOn = L"default 0x0100";
const std::wstring kClickPassedOn = L"default 0x0202";

// A key, and where in the spirit of the layout a click with the same meaning may land: any
// point strictly inside the deck's area or the row's band, as the layout gives them.
struct KeyAndArea {
    const char* name;
    UINT key;
    int left; // the area's exclusive bounds
    int top;
    int right;
    int bottom;
};

constexpr int kDeckLeft = 50;
constexpr int kDeckTop = 80;
constexpr int kDeckRight = 100;
constexpr int kDeckBottom = 140;

constexpr KeyAndArea Row(const char* name, UINT key, int row)
{
    return {name, key, 200, 40 * (row + 1), 250, 40 * (row + 1) + 20};
}

const KeyAndArea kKeys[] = {
    {"Space", VK_SPACE, kDeckLeft, kDeckTop, kDeckRight, kDeckBottom},
    {"D", 'D', kDeckLeft, kDeckTop, kDeckRight, kDeckBottom},
    Row("1", '1', 0),
    Row("2", '2', 1),
    Row("3", '3', 2),
    Row("4", '4', 3),
    Row("5", '5', 4),
    Row("keypad 1", VK_NUMPAD0 + 1, 0),
    Row("keypad 2", VK_NUMPAD0 + 2, 1),
    Row("keypad 3", VK_NUMPAD0 + 3, 2),
    Row("keypad 4", VK_NUMPAD0 + 4, 3),
    Row("keypad 5", VK_NUMPAD0 + 5, 4),
};

// What a message did, with the default processing of the key and of the click written alike.
Trace Effects(const HeadlessPlatform& platform)
{
    Trace trace = platform.Trace();
    for (std::wstring& line : trace) {
        if (line == kKeyPassedOn || line == kClickPassedOn) {
            line = L"passed on";
        }
    }
    return trace;
}

// What one move did: the key pressed, the effects, the game after it and the board painted.
struct Move {
    const KeyAndArea* key;
    Trace effects;
    GameSnapshot game;
    std::vector<CDC::TextItem> board;
};

// One game played with the keys: mostly the legal ones, now and then any, until it is over,
// then every key once more.
std::vector<Move> PlayWithKeys(int players, unsigned seed)
{
    std::mt19937 random(seed);
    const auto below = [&random](size_t bound) {
        return std::uniform_int_distribution<size_t>(0, bound - 1)(random);
    };
    HeadlessBoard board;
    {
        const FixedSeed fixed(seed);
        board.doc.NewGame(players);
    }
    board.platform.PaintInvalidated();
    std::vector<Move> moves;
    const auto press = [&](const KeyAndArea& key) {
        board.platform.ClearLog();
        board.platform.KeyDown(board.view, key.key);
        board.platform.PaintInvalidated();
        moves.push_back({&key, Effects(board.platform), Snapshot(board.doc),
                         board.platform.LastDrawing(board.view)});
    };
    const CZintra_winDoc& doc = board.doc;
    while (!doc.m_gameOver && moves.size() < 3000) {
        std::vector<const KeyAndArea*> legal;
        for (const KeyAndArea& key : kKeys) {
            const bool onDeck = key.left == kDeckLeft;
            const int row = (key.top / 40) - 1;
            if (doc.m_turnPhase == PHASE_CHOOSE
                    ? (onDeck ? doc.CanMove(MOVE_PLACE) : doc.CanMoveOnRow(row, MOVE_TAKE))
                    : (!onDeck && doc.CanMoveOnRow(row, MOVE_PLACE))) {
                legal.push_back(&key);
            }
        }
        press(legal.empty() || below(5) == 0 ? kKeys[below(std::size(kKeys))]
                                             : *legal[below(legal.size())]);
    }
    EXPECT_TRUE(doc.m_gameOver) << "the game never ended";
    for (const KeyAndArea& key : kKeys) {
        press(key);
    }
    return moves;
}

// The same game clicked with the mouse, each click anywhere in the area of the move's key:
// every move must do what the key did.
void ClickThrough(int players, unsigned seed, const std::vector<Move>& moves)
{
    std::mt19937 random(seed);
    const auto inside = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low + 1, high - 1)(random);
    };
    HeadlessBoard board;
    {
        const FixedSeed fixed(seed);
        board.doc.NewGame(players);
    }
    board.platform.PaintInvalidated();
    for (size_t index = 0; index < moves.size(); ++index) {
        const Move& move = moves[index];
        const int x = inside(move.key->left, move.key->right);
        const int y = inside(move.key->top, move.key->bottom);
        board.platform.ClearLog();
        board.platform.Click(board.view, x, y);
        board.platform.PaintInvalidated();
        SCOPED_TRACE(testing::Message() << "move " << index << ": " << move.key->name
                                        << ", the click at (" << x << ", " << y << ")");
        ASSERT_EQ(move.effects, Effects(board.platform));
        ASSERT_EQ(move.game, Snapshot(board.doc));
        ASSERT_EQ(move.board, board.platform.LastDrawing(board.view));
        ASSERT_EQ(move.board, ExpectedBoard(board.doc));
    }
}

TEST(KeyedGames, DoWhatTheClicksOnTheSameTargetsDoForEveryPlayerCount)
{
    for (int players = 2; players <= 5; ++players) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE(testing::Message() << players << " players, seed " << seed);
            ClickThrough(players, seed, PlayWithKeys(players, seed));
            if (testing::Test::HasFailure()) {
                return;
            }
        }
    }
}

class Keys : public BoardTest {
protected:
    Trace PressAndTrace(UINT key, bool repeat = false)
    {
        platform.ClearLog();
        platform.KeyDown(view, key, repeat);
        return platform.Trace();
    }
};

TEST_F(Keys, ThatNameNoTargetOnlyPassOn)
{
    StartGame(3);
    LayRow(doc, 0, {0});
    for (const bool drawn : {false, true}) {
        doc.m_turnPhase = drawn ? PHASE_PLACE : PHASE_CHOOSE;
        const GameSnapshot before = Snapshot(doc);
        for (const UINT key : {UINT{'0'}, UINT{'6'}, UINT{'9'}, UINT{'A'}, UINT{'T'}, VK_NUMPAD0,
                               VK_NUMPAD0 + 6, VK_NUMPAD9, UINT{0x0D}, UINT{0x70}}) {
            EXPECT_EQ(PressAndTrace(key), Trace{kKeyPassedOn}) << "key 0x" << std::hex << key;
        }
        EXPECT_EQ(Snapshot(doc), before);
    }
}

// Holding "1" must not place a card on row 1 and then take the row.
TEST_F(Keys, HeldDownMakeOneMoveNotOnePerRepeat)
{
    StartGame(3);
    EXPECT_EQ(PressAndTrace(VK_SPACE), (Trace{L"invalidate erase", kKeyPassedOn}));
    EXPECT_EQ(PressAndTrace(VK_SPACE, true), Trace{kKeyPassedOn});
    EXPECT_EQ(PressAndTrace('1'), (Trace{L"invalidate erase", kKeyPassedOn}));
    const GameSnapshot placed = Snapshot(doc);
    EXPECT_EQ(PressAndTrace('1', true), Trace{kKeyPassedOn});
    EXPECT_EQ(PressAndTrace(VK_NUMPAD0 + 1, true), Trace{kKeyPassedOn});
    EXPECT_EQ(Snapshot(doc), placed);
    EXPECT_FALSE(doc.m_rows[0].taken);
}

TEST_F(Keys, ShowTheRefusalBoxTheClickShows)
{
    StartGame(2);
    EXPECT_EQ(PressAndTrace('2'), (Trace{kKeyPassedOn, L"box 0/0: You cannot take a row."}));
    EXPECT_EQ(PressAndTrace('D'), (Trace{L"invalidate erase", kKeyPassedOn}));
    EXPECT_EQ(PressAndTrace('3'), (Trace{kKeyPassedOn, L"box 0/0: You cannot place on that row."}));
}

} // namespace
