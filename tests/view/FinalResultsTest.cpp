// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/GameFixtures.h"
#include "tests/support/Printers.h"
#include "tests/view/BoardFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The results box for a game whose players scored `scores`, in seat order.
class FinalResults : public BoardTest {
protected:
    std::wstring ResultsFor(const std::vector<int>& scores)
    {
        StartGame(static_cast<int>(scores.size()));
        for (std::size_t seat = 0; seat < scores.size(); ++seat) {
            doc.m_players[seat] = CollectionWorth(scores[seat]);
        }
        platform.ClearLog();
        view.ShowFinalResults();
        const std::vector<HeadlessPlatform::Event> boxes = platform.Boxes();
        EXPECT_EQ(boxes.size(), 1U);
        if (boxes.empty()) {
            return {};
        }
        EXPECT_EQ(boxes[0].type, MB_OK);
        EXPECT_EQ(boxes[0].helpContext, 0U);
        return boxes[0].text.GetString();
    }
};

std::wstring LastLine(const std::wstring& text)
{
    return text.substr(text.rfind(L'\n') + 1);
}

TEST_F(FinalResults, ListEveryScoreThenTheWinnerAfterTwoEmptyLines)
{
    EXPECT_EQ(ResultsFor({40, 59, 6}), L"Final Scores\n"
                                       L"Player #1: 40\n"
                                       L"Player #2: 59\n"
                                       L"Player #3: 6\n"
                                       L"\n"
                                       L"\n"
                                       L"The winner is Player #2!");
}

TEST_F(FinalResults, NameTiedWinnersInSeatOrderWithACommaBeforeAnd)
{
    EXPECT_EQ(LastLine(ResultsFor({12, 30, -3, 30})), L"The winners are Player #2, and Player #4!");
    EXPECT_EQ(LastLine(ResultsFor({20, 5, 20, 7, 20})),
              L"The winners are Player #1, Player #3, and Player #5!");
    EXPECT_EQ(LastLine(ResultsFor({0, 0})), L"The winners are Player #1, and Player #2!");
    EXPECT_EQ(LastLine(ResultsFor({1, 2, 9, 4, 9})), L"The winners are Player #3, and Player #5!");
    EXPECT_EQ(LastLine(ResultsFor({3, 3, 3, 3, 3})),
              L"The winners are Player #1, Player #2, Player #3, Player #4, and Player #5!");
}

TEST_F(FinalResults, PrintNegativeScoresWithTheirSignAndLetTheLeastNegativeWin)
{
    EXPECT_EQ(ResultsFor({-1, -4, -2}), L"Final Scores\n"
                                        L"Player #1: -1\n"
                                        L"Player #2: -4\n"
                                        L"Player #3: -2\n"
                                        L"\n"
                                        L"\n"
                                        L"The winner is Player #1!");
}

TEST_F(FinalResults, HaveOneScoreLinePerPlayerInTheSmallestAndLargestGames)
{
    EXPECT_EQ(ResultsFor({7, -6}),
              L"Final Scores\nPlayer #1: 7\nPlayer #2: -6\n\n\nThe winner is Player #1!");
    EXPECT_EQ(ResultsFor({1, 2, 3, 4, 25}), L"Final Scores\nPlayer #1: 1\nPlayer #2: 2\n"
                                            L"Player #3: 3\nPlayer #4: 4\nPlayer #5: 25\n"
                                            L"\n\nThe winner is Player #5!");
}

TEST_F(FinalResults, AreTheSameWhenShownTwiceAndChangeNothing)
{
    const std::wstring first = ResultsFor({12, 30, -3, 30});
    const GameSnapshot before = Snapshot(doc);
    view.ShowFinalResults();
    EXPECT_EQ(platform.Boxes().back().text.GetString(), first);
    EXPECT_EQ(Snapshot(doc), before);
}

TEST(FinalResultsWithoutGame, AViewWithoutADocumentShowsNothing)
{
    HeadlessPlatform platform;
    CZintra_winView view;
    view.ShowFinalResults();
    EXPECT_TRUE(platform.Log().empty());
}

} // namespace
