// SPDX-License-Identifier: GPL-3.0-or-later
// The rules text, string 133 (IDS_RULES), shown whole in one message box by Help > Rules.
// Paragraphs are single lines separated by a blank line, so that the box wraps them itself;
// the closing chart's columns are separated by a tab. Every number in it is the engine's
// (tests/res/ResourcesTest.cpp checks them against game/GameTypes.h and PlayerScore).
#include "res/ResourceTables.h"

namespace res::detail {

constinit const wchar_t RULES_TEXT[] =
    L"Zintra is a card-collecting game for 2 to 5 players, who take turns at the same screen. "
    L"It is played with a deck of 76 cards: nine cards in each of seven colours, red (R), "
    L"green (G), blue (B), yellow (Y), pink (P), silver (S) and violet (V), together with 3 "
    L"wild cards and 10 cards worth +2 points. The goal is the highest score. You reach it by "
    L"collecting as many cards as you can of any three colours, while the cards of the other "
    L"four colours count against you. A wild card counts as any colour, and you need not name "
    L"that colour before the end of the game.\n\n"
    L"The game is played in rounds. Cards are drawn one at a time from a face-down deck and "
    L"laid out in rows, one row for each player. In each round every player takes exactly one "
    L"row into his or her collection and then sits out the rest of the round. On your turn you "
    L"either draw the top card of the deck and place it on a row that is not full (a row holds "
    L"at most three cards), or take a row that holds at least one card. An empty row cannot be "
    L"taken, so every round begins with a draw; when every row left in play is full, you "
    L"cannot draw and must take one. A taken row stays on the board until the round ends, but "
    L"no card may be placed on it. Player #1 begins the first round, and turns pass in order "
    L"of the player numbers, skipping those who have already taken a row; the last player left "
    L"in a round goes on playing until he or she takes a row too. When every player has taken "
    L"a row, the board is cleared and the next round begins with the player after the one who "
    L"took the last row.\n\n"
    L"Some advice. Watch which colours the other players collect, and do not build rows that "
    L"suit them. Every collection is on show for all to see. You need not declare which "
    L"colours you will score until the end of the game, so you can change your plans as the "
    L"cards come. A card you place goes to whoever takes its row, so think about who is likely "
    L"to take it. Cards never leave a collection, so take rows with care: a row with one good "
    L"card and two bad ones may cost you more than it brings. Wild cards are valuable, and "
    L"every \"+2\" card is added to your score at the end.\n\n"
    L"The game ends with its last round. A round can use up to three cards per player, so as "
    L"soon as the deck is down to three cards per player plus one or fewer (7 cards with 2 "
    L"players, 10 with 3, 13 with 4, 16 with 5), it can no longer guarantee another complete "
    L"round. The round being played then becomes the last one, and the game announces it. "
    L"Every player still takes one row in the last round. When that round ends, the game is "
    L"over and the final scores are shown; the cards left in the deck are never dealt.\n\n"
    L"Scoring. The three colours of which you hold the most cards score positively, and the "
    L"other four colours score negatively, each by the chart below. Your wild cards are added "
    L"to your three positive colours: each one goes to your largest colour until it has six "
    L"cards, then to the second largest, then to the third, and a wild card left over when all "
    L"three have six or more is lost. More than six cards of one colour bring no more points "
    L"than six. Each \"+2\" card adds two points. For example, four red cards and a wild card, "
    L"three blue, two green and one yellow score 15 + 6 + 3 - 1 = 23. The player with the "
    L"highest score wins; players who tie for the highest score share the win.\n\n"
    L"Scoring Table\n"
    L"# of cards\tScore\n"
    L"1\t1\n"
    L"2\t3\n"
    L"3\t6\n"
    L"4\t10\n"
    L"5\t15\n"
    L"6-9\t21";

} // namespace res::detail
