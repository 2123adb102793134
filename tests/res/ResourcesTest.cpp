// SPDX-License-Identifier: GPL-3.0-or-later
// The program's resources: what the framework and the dialogs rely on in the tables, the rules
// text against the engine's own numbers, and the icon's bitmaps.
#include "afx/Resources.h"

#include "afx/AfxRes.h"
#include "game/Zintra_winDoc.h"
#include "res/Resource.h"
#include "res/Version.h"
#include "res/Zintra_winResources.h"
#include "tests/support/ShippedIcons.h"
#include "view/CardLabels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace std::string_view_literals;

const afx::ResourceBundle& Bundle()
{
    return res::Bundle();
}

// Installs the program's bundle for the framework's lookups, and removes it afterwards.
class InstalledResources : public testing::Test {
protected:
    InstalledResources() { afx::SetResources(&res::Bundle()); }
    ~InstalledResources() override { afx::SetResources(nullptr); }
    InstalledResources(const InstalledResources&) = delete;
    InstalledResources& operator=(const InstalledResources&) = delete;
};

std::wstring Text(const wchar_t* text)
{
    return text != nullptr ? std::wstring(text) : std::wstring(L"<none>");
}

std::wstring Text(const CString& text)
{
    return text.GetString();
}

std::wstring Str(std::wstring_view text)
{
    return std::wstring(text);
}

template <class Table>
std::vector<UINT> IdsOf(const Table& table)
{
    std::vector<UINT> ids;
    for (const auto& entry : table) {
        ids.push_back(entry.id);
    }
    return ids;
}

template <class Id>
bool AllUnique(std::vector<Id> ids)
{
    std::sort(ids.begin(), ids.end());
    return std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

// ---------------------------------------------------------------------------------------------
// The bundle as a whole

TEST(ResourceBundle, IdsAreUniqueWithinEachTable)
{
    EXPECT_TRUE(AllUnique(IdsOf(Bundle().strings)));
    EXPECT_TRUE(AllUnique(IdsOf(Bundle().menus)));
    EXPECT_TRUE(AllUnique(IdsOf(Bundle().acceleratorTables)));
    EXPECT_TRUE(AllUnique(IdsOf(Bundle().dialogs)));
    EXPECT_TRUE(AllUnique(IdsOf(Bundle().icons)));
    for (const afx::DialogResource& dialog : Bundle().dialogs) {
        std::vector<int> controlIds;
        for (const afx::DialogItemResource& item : dialog.items) {
            if (item.id != -1) {
                controlIds.push_back(item.id);
            }
        }
        EXPECT_TRUE(AllUnique(controlIds)) << "dialog " << dialog.id;
    }
    std::vector<std::wstring> keys;
    for (const afx::VersionString& entry : Bundle().versionInfo->strings) {
        keys.emplace_back(entry.key);
    }
    EXPECT_TRUE(AllUnique(keys));
}

TEST(ResourceBundle, NoTextIsMissing)
{
    for (const afx::StringResource& entry : Bundle().strings) {
        EXPECT_NE(entry.text, nullptr) << "string " << entry.id;
    }
    for (const afx::DialogResource& dialog : Bundle().dialogs) {
        EXPECT_NE(dialog.caption, nullptr) << "dialog " << dialog.id;
        EXPECT_NE(dialog.fontName, nullptr) << "dialog " << dialog.id;
        for (const afx::DialogItemResource& item : dialog.items) {
            EXPECT_NE(item.text, nullptr) << "dialog " << dialog.id << ", control " << item.id;
        }
    }
    for (const afx::MenuResource& menu : Bundle().menus) {
        for (const afx::PopupMenuResource& popup : menu.popups) {
            EXPECT_NE(popup.text, nullptr);
            for (const afx::MenuItemResource& item : popup.items) {
                EXPECT_EQ(item.text == nullptr, item.id == 0U)
                    << "only a separator has neither text nor id";
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The string table

struct StringCase {
    UINT id;
    const wchar_t* text;
};

// Every string the program shows (the rules text has tests of its own), character for character.
const StringCase kShownStrings[] = {
    {IDP_OLE_INIT_FAILED,
     L"OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {IDR_MAINFRAME, L"Zintra_win\n\nZintra_win\n\n\nZintrawin.Document\nZintra_win.Document"},
    {AFX_IDS_APP_TITLE, L"Zintra_win"},
    {AFX_IDS_IDLEMESSAGE, L"Ready"},
    {ID_FILE_NEW, L"Create a new document\nNew"},
    {ID_APP_ABOUT, L"Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, L"Quit the application; prompts to save documents\nExit"},
    {ID_INDICATOR_CAPS, L"CAP"},
    {ID_INDICATOR_NUM, L"NUM"},
    {ID_INDICATOR_SCRL, L"SCRL"},
    {AFX_IDS_SCSIZE, L"Change the window size"},
    {AFX_IDS_SCMOVE, L"Change the window position"},
    {AFX_IDS_SCMINIMIZE, L"Reduce the window to an icon"},
    {AFX_IDS_SCMAXIMIZE, L"Enlarge the window to full size"},
    {AFX_IDS_SCNEXTWINDOW, L"Switch to the next document window"},
    {AFX_IDS_SCPREVWINDOW, L"Switch to the previous document window"},
    {AFX_IDS_SCCLOSE, L"Close the active window and prompts to save the documents"},
    {AFX_IDS_SCRESTORE, L"Restore the window to normal size"},
    {AFX_IDS_SCTASKLIST, L"Activate Task List"},
};

using StringTable = InstalledResources;

TEST_F(StringTable, HoldsEveryShownStringVerbatim)
{
    for (const StringCase& expected : kShownStrings) {
        EXPECT_EQ(Text(afx::FindString(expected.id)), expected.text) << "string " << expected.id;
    }
}

TEST_F(StringTable, DocumentStringHasTheSevenFieldsInTheFrameworksOrder)
{
    const CString docString = afx::FindString(IDR_MAINFRAME);
    const std::wstring_view text = docString.GetString();
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 6) << "seven fields";
    const std::array<std::wstring_view, 7> fields = {
        L"Zintra_win"sv, // window title
        L""sv,           // document name: none
        L"Zintra_win"sv, // File New name
        L""sv,           // filter name
        L""sv,           // filter extension
        L"Zintrawin.Document"sv,
        L"Zintra_win.Document"sv,
    };
    for (std::size_t field = 0; field < fields.size(); ++field) {
        EXPECT_EQ(Text(afx::ExtractSubString(docString, static_cast<int>(field))),
                  std::wstring(fields[field]))
            << "field " << field;
    }
}

TEST_F(StringTable, EveryMenuCommandHasAPromptExceptRules)
{
    const afx::MenuResource* menu = afx::FindMenu(IDR_MAINFRAME);
    ASSERT_NE(menu, nullptr);
    int commands = 0;
    for (const afx::PopupMenuResource& popup : menu->popups) {
        for (const afx::MenuItemResource& item : popup.items) {
            if (item.id == 0U) {
                continue;
            }
            ++commands;
            const std::wstring prompt = Text(afx::LoadPrompt(item.id));
            if (item.id == ID_HELP_RULES) {
                EXPECT_EQ(afx::FindString(item.id), nullptr) << "Rules has no string at all";
                EXPECT_EQ(prompt, L"");
            } else {
                EXPECT_FALSE(prompt.empty()) << Text(item.text);
                EXPECT_EQ(prompt.find(L'\n'), std::wstring::npos);
            }
        }
    }
    EXPECT_EQ(commands, 4);
    EXPECT_EQ(Text(afx::LoadPrompt(ID_FILE_NEW)), L"Create a new document");
}

// ---------------------------------------------------------------------------------------------
// Menu and accelerators

TEST(Accelerators, CtrlNSendsTheSameCommandAsFileNew)
{
    const afx::AcceleratorResource& first = Bundle().acceleratorTables[0].entries[0];
    EXPECT_EQ(first.cmd, Bundle().menus[0].popups[0].items[0].id);
}

// ---------------------------------------------------------------------------------------------
// Dialog templates

using DialogTemplates = InstalledResources;

TEST_F(DialogTemplates, AboutBoxShowsTheApplicationIcon)
{
    const afx::DialogResource* about = afx::FindDialog(IDD_ABOUTBOX);
    ASSERT_NE(about, nullptr);
    const afx::DialogItemResource& icon = about->items[0];
    ASSERT_EQ(icon.kind, afx::ControlKind::Icon);
    EXPECT_EQ(icon.iconId, IDR_MAINFRAME);
    EXPECT_NE(afx::FindIcon(icon.iconId), nullptr);
}

TEST_F(DialogTemplates, NumberOfPlayersTabsThroughOkThenTheFourButtons)
{
    const afx::DialogResource* players = afx::FindDialog(IDD_NUMPLAYERS);
    ASSERT_NE(players, nullptr);
    std::vector<int> tabStops;
    for (const afx::DialogItemResource& item : players->items) {
        if ((item.style & WS_TABSTOP) != 0U) {
            tabStops.push_back(item.id);
        }
    }
    EXPECT_EQ(tabStops,
              (std::vector<int>{IDOK, IDC_PLAYERS_2, IDC_PLAYERS_3, IDC_PLAYERS_4, IDC_PLAYERS_5}));
    EXPECT_EQ(std::count_if(players->items.begin(), players->items.end(),
                            [](const afx::DialogItemResource& item) {
                                return item.kind == afx::ControlKind::DefPushButton;
                            }),
              1)
        << "one default button, and no Cancel";
}

TEST_F(DialogTemplates, RadioButtonsAreOneGroupNamedByTheirCount)
{
    const afx::DialogResource* players = afx::FindDialog(IDD_NUMPLAYERS);
    ASSERT_NE(players, nullptr);
    // The group starts at "2" and runs up to the next control that starts a group (none).
    bool inGroup = false;
    int count = 2;
    for (const afx::DialogItemResource& item : players->items) {
        if (item.kind != afx::ControlKind::AutoRadioButton) {
            inGroup = false;
            continue;
        }
        EXPECT_EQ((item.style & WS_GROUP) != 0U, count == 2) << "button " << count;
        EXPECT_TRUE(inGroup || count == 2) << "the buttons stand together";
        inGroup = true;
        // The dialog maps a click on IDC_PLAYERS_2 + k to k + 2 players.
        EXPECT_EQ(item.id, IDC_PLAYERS_2 + (count - 2));
        EXPECT_EQ(Text(item.text), std::to_wstring(count));
        ++count;
    }
    EXPECT_EQ(count, MAX_PLAYERS + 1);
}

// ---------------------------------------------------------------------------------------------
// Version information

TEST_F(StringTable, VersionStringsAreFoundByKey)
{
    EXPECT_EQ(Text(afx::FindVersionString(L"ProductName")), L"Zintra");
    EXPECT_EQ(Text(afx::FindVersionString(L"FileVersion")), res::kVersionText);
    EXPECT_EQ(afx::FindVersionString(L"Comments"), nullptr);
}

// The fixed part is numbers and the string block is text; both must say the same version.
TEST_F(StringTable, VersionNumbersAndTextsGiveOneVersion)
{
    const afx::VersionInfoResource* info = Bundle().versionInfo;
    ASSERT_NE(info, nullptr);
    for (const auto& number : {info->fileVersion, info->productVersion}) {
        const std::wstring dotted = std::to_wstring(number[0]) + L'.' + std::to_wstring(number[1]) +
                                    L'.' + std::to_wstring(number[2]) + L'.' +
                                    std::to_wstring(number[3]);
        EXPECT_EQ(dotted, res::kVersionText);
    }
    EXPECT_EQ(Text(afx::FindVersionString(L"ProductVersion")), res::kVersionText);
}

// ---------------------------------------------------------------------------------------------
// The rules text

std::wstring_view Rules()
{
    for (const afx::StringResource& entry : Bundle().strings) {
        if (entry.id == IDS_RULES && entry.text != nullptr) {
            return entry.text;
        }
    }
    return {};
}

std::vector<std::wstring_view> Split(std::wstring_view text, std::wstring_view separator)
{
    std::vector<std::wstring_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::wstring_view::npos) {
            return parts;
        }
        text.remove_prefix(at + separator.size());
    }
}

std::wstring NumberWord(int n)
{
    static const std::array<const wchar_t*, 11> words = {L"zero",  L"one",  L"two", L"three",
                                                         L"four",  L"five", L"six", L"seven",
                                                         L"eight", L"nine", L"ten"};
    return n >= 0 && n < static_cast<int>(words.size()) ? words[static_cast<std::size_t>(n)]
                                                        : std::to_wstring(n);
}

// The score of a collection, as the engine computes it.
int ScoreOf(const std::array<std::int32_t, NUM_COLOURS>& colours, int wilds = 0, int bonuses = 0)
{
    CZintra_winDoc doc;
    doc.NewGame(MIN_PLAYERS);
    doc.m_players[0].colourCount = colours;
    doc.m_players[0].wildCount = wilds;
    doc.m_players[0].bonusCount = bonuses;
    return doc.PlayerScore(0);
}

// Points for `cards` of one colour: a lone colour is the player's largest, so it counts fully.
int PointsFor(int cards)
{
    return ScoreOf({cards, 0, 0, 0, 0, 0, 0});
}

// The largest number of undealt cards at which the engine calls the round the last.
int LastRoundThreshold(int players)
{
    CZintra_winDoc doc;
    doc.NewGame(players);
    int threshold = 0;
    for (int undealt = 1; undealt <= DECK_SIZE; ++undealt) {
        doc.m_deckTop = doc.m_deck.data() + (DECK_SIZE - undealt);
        if (doc.IsLastRound()) {
            threshold = undealt;
        }
    }
    return threshold;
}

#define EXPECT_RULES_SAY(phrase)                                                                   \
    EXPECT_NE(Rules().find(phrase), std::wstring_view::npos) << "missing: " << Str(phrase)

TEST(RulesText, IsPlainParagraphsOfAboutThirtyFourHundredCharacters)
{
    const std::wstring_view rules = Rules();
    EXPECT_GE(rules.size(), 3000U);
    EXPECT_LE(rules.size(), 3800U);
    EXPECT_EQ(rules.find(L'\r'), std::wstring_view::npos);
    EXPECT_EQ(rules.find(L"\n\n\n"), std::wstring_view::npos);
    EXPECT_NE(rules.front(), L'\n');
    EXPECT_NE(rules.back(), L'\n');
    const std::vector<std::wstring_view> paragraphs = Split(rules, L"\n\n");
    ASSERT_EQ(paragraphs.size(), 6U) << "five paragraphs of prose and the chart";
    for (std::size_t i = 0; i + 1 < paragraphs.size(); ++i) {
        EXPECT_EQ(paragraphs[i].find(L'\n'), std::wstring_view::npos)
            << "paragraph " << i + 1 << " is hard-wrapped; the message box wraps it";
        EXPECT_EQ(paragraphs[i].find(L'\t'), std::wstring_view::npos);
        EXPECT_NE(paragraphs[i].front(), L' ');
        EXPECT_NE(paragraphs[i].back(), L' ');
        EXPECT_EQ(paragraphs[i].find(L"  "), std::wstring_view::npos);
    }
}

TEST(RulesText, CoversItsTopicsInOrder)
{
    const std::vector<std::wstring_view> paragraphs = Split(Rules(), L"\n\n");
    ASSERT_EQ(paragraphs.size(), 6U);
    // What each paragraph is about, in the order the rules are told.
    const std::array<std::vector<std::wstring_view>, 6> points = {{
        {L"card-collecting game", L"76 cards", L"wild card", L"three colours"},
        {L"rounds", L"one row for each player", L"draw the top card", L"take a row"},
        {L"advice", L"Cards never leave a collection", L"Wild cards are valuable"},
        {L"last round", L"announces"},
        {L"score positively", L"score negatively", L"wild cards", L"highest score wins"},
        {L"Scoring Table"},
    }};
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (const std::wstring_view phrase : points[i]) {
            EXPECT_NE(paragraphs[i].find(phrase), std::wstring_view::npos)
                << "paragraph " << i + 1 << " lacks \"" << Str(phrase) << '"';
        }
    }
}

TEST(RulesText, EndsWithTheChartThatPlayerScoreFollows)
{
    const std::vector<std::wstring_view> lines = Split(Split(Rules(), L"\n\n").back(), L"\n");
    ASSERT_EQ(lines.size(), 8U) << "title, column heads and six rows";
    EXPECT_EQ(Str(lines[0]), L"Scoring Table");
    const std::vector<std::wstring_view> heads = Split(lines[1], L"\t");
    ASSERT_EQ(heads.size(), 2U);
    EXPECT_EQ(Str(heads[0]), L"# of cards");
    EXPECT_EQ(Str(heads[1]), L"Score");

    const std::array<std::wstring_view, 6> rows = {L"1", L"2", L"3", L"4", L"5", L"6-9"};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::vector<std::wstring_view> cells = Split(lines[row + 2], L"\t");
        ASSERT_EQ(cells.size(), 2U) << "row " << row + 1;
        EXPECT_EQ(Str(cells[0]), Str(rows[row]));
        const int score = std::stoi(Str(cells[1]));
        const int first = static_cast<int>(row) + 1;
        const int last = row + 1 < rows.size() ? first : CARDS_PER_COLOUR;
        for (int cards = first; cards <= last; ++cards) {
            EXPECT_EQ(PointsFor(cards), score) << cards << " cards";
        }
    }
    EXPECT_EQ(PointsFor(0), 0) << "no cards, no points: the chart starts at 1";
}

TEST(RulesText, DescribesTheDeckTheEngineDeals)
{
    EXPECT_RULES_SAY(std::to_wstring(MIN_PLAYERS) + L" to " + std::to_wstring(MAX_PLAYERS) +
                     L" players");
    EXPECT_RULES_SAY(L"deck of " + std::to_wstring(DECK_SIZE) + L" cards");
    EXPECT_RULES_SAY(NumberWord(CARDS_PER_COLOUR) + L" cards in each of " +
                     NumberWord(NUM_COLOURS) + L" colours");
    EXPECT_RULES_SAY(std::to_wstring(NUM_WILD_CARDS) + L" wild cards");
    EXPECT_RULES_SAY(std::to_wstring(NUM_BONUS_CARDS) + L" cards worth " +
                     Text(g_cardLabels[CARD_BONUS]) + L" points");
}

TEST(RulesText, NamesTheColoursByTheBoardsLettersInCardOrder)
{
    const std::array<const wchar_t*, NUM_COLOURS> names = {L"red",  L"green",  L"blue",  L"yellow",
                                                           L"pink", L"silver", L"violet"};
    std::size_t previous = 0;
    for (CardCode colour = 0; colour < NUM_COLOURS; ++colour) {
        const std::wstring named = std::wstring(names[static_cast<std::size_t>(colour)]) + L" (" +
                                   Text(g_cardLabels[static_cast<std::size_t>(colour)]) + L")";
        const std::size_t at = Rules().find(named);
        ASSERT_NE(at, std::wstring_view::npos) << "missing: " << Str(named);
        EXPECT_GT(at, previous) << Str(named) << " out of order";
        previous = at;
    }
}

TEST(RulesText, StatesTheRowSizeAndTheLastRoundAsTheEngineHasThem)
{
    EXPECT_RULES_SAY(L"a row holds at most " + NumberWord(ROW_SLOTS) + L" cards");
    std::wstring thresholds = L"(";
    for (int players = MIN_PLAYERS; players <= MAX_PLAYERS; ++players) {
        const int threshold = LastRoundThreshold(players);
        EXPECT_EQ(threshold, ROW_SLOTS * players + 1) << players << " players";
        thresholds += std::to_wstring(threshold) +
                      (players == MIN_PLAYERS ? L" cards with " : L" with ") +
                      std::to_wstring(players) + (players == MIN_PLAYERS ? L" players" : L"") +
                      (players < MAX_PLAYERS ? L", " : L")");
    }
    EXPECT_RULES_SAY(thresholds);
    EXPECT_RULES_SAY(NumberWord(ROW_SLOTS) + L" cards per player plus one");
}

TEST(RulesText, StatesTheScoringRuleAsPlayerScoreApplies)
{
    // Three colours count for the player and four against: one card of each scores 3 - 4.
    EXPECT_RULES_SAY(L"The three colours of which you hold the most cards score positively");
    EXPECT_RULES_SAY(L"the other four colours score negatively");
    EXPECT_EQ(ScoreOf({1, 1, 1, 1, 1, 1, 1}), 3 * PointsFor(1) - 4 * PointsFor(1));

    // Wild cards fill the largest colour up to six cards, then the next.
    EXPECT_RULES_SAY(L"goes to your largest colour until it has six cards");
    EXPECT_EQ(ScoreOf({5, 0, 0, 0, 0, 0, 0}, 1), PointsFor(6));
    EXPECT_EQ(ScoreOf({6, 0, 0, 0, 0, 0, 0}, 1), PointsFor(6) + PointsFor(1));
    EXPECT_EQ(ScoreOf({6, 6, 6, 0, 0, 0, 0}, 1), 3 * PointsFor(6)) << "the wild card is lost";

    // "+2" cards.
    EXPECT_RULES_SAY(L"Each \"" + Text(g_cardLabels[CARD_BONUS]) + L"\" card adds " +
                     NumberWord(2) + L" points");
    EXPECT_EQ(ScoreOf({0, 0, 0, 0, 0, 0, 0}, 0, 1), 2);

    // The worked example.
    EXPECT_RULES_SAY(L"four red cards and a wild card, three blue, two green and one yellow "
                     L"score 15 + 6 + 3 - 1 = 23");
    EXPECT_EQ(ScoreOf({4, 2, 3, 1, 0, 0, 0}, 1), 23);
}

// ---------------------------------------------------------------------------------------------
// The icon

// Icon 128 names the embedded copy of every bitmap in res/icons, each as large as its name says,
// and nothing else: the list the build embeds from (icons.qrc) and the folder agree.
TEST(ApplicationIcon, NamesEveryBitmapInResIconsEmbeddedUnderIcons)
{
    ASSERT_EQ(Bundle().icons.size(), 1U);
    const afx::IconResource& icon = Bundle().icons[0];
    EXPECT_EQ(icon.id, IDR_MAINFRAME);
    std::set<std::string> named;
    const std::string prefix = ":/icons/";
    for (const char* const path : icon.files) {
        ASSERT_EQ(std::string(path).substr(0, prefix.size()), prefix) << path;
        named.insert(std::string(path).substr(prefix.size()));
    }
    std::set<std::string> shipped;
    for (const ShippedBitmap& bitmap : ShippedBitmaps()) {
        shipped.insert(bitmap.file);
        // "zintra_win-<size>.png" is that many pixels square.
        const std::size_t dash = bitmap.file.find('-');
        const std::string size = bitmap.file.substr(dash + 1, bitmap.file.find('.') - dash - 1);
        EXPECT_EQ(SizeName(bitmap.width, bitmap.height), size + "x" + size) << bitmap.file;
    }
    EXPECT_EQ(named, shipped);
    EXPECT_GE(shipped.size(), 2U);
    EXPECT_TRUE(std::filesystem::is_regular_file(ShippedIconsDir() + "/zintra_win.svg"))
        << "the scalable source";
}

} // namespace
