// SPDX-License-Identifier: GPL-3.0-or-later
// The README's "How to play" retells the rules text that Help > Rules shows, for people who
// have not started the program yet. Its numbers are what a reader plays by, so each has to be
// one the rules text gives, and its scores have to be the rules' chart.
#include "res/Resource.h"
#include "res/Zintra_winResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::wstring_view RulesText()
{
    for (const afx::StringResource& entry : res::Bundle().strings) {
        if (entry.id == IDS_RULES && entry.text != nullptr) {
            return entry.text;
        }
    }
    return {};
}

// The lines under the README's `heading`, up to the next heading of its level.
std::string ReadmeSection(const std::string& heading)
{
    std::ifstream readme(ZINTRA_README);
    std::string section;
    bool inside = false;
    for (std::string line; std::getline(readme, line);) {
        if (line.starts_with("## ")) {
            inside = line == heading;
        } else if (inside) {
            section += line + '\n';
        }
    }
    return section;
}

// Every whole number written in digits in `text`, in order. The digits are ASCII in either
// kind of string, so wide text narrows to the same numbers.
template <typename Char>
std::vector<std::string> NumbersIn(std::basic_string_view<Char> text)
{
    std::vector<std::string> numbers;
    std::string digits;
    for (const Char ch : text) {
        if (ch >= '0' && ch <= '9') {
            digits += static_cast<char>(ch);
        } else if (!digits.empty()) {
            numbers.push_back(digits);
            digits.clear();
        }
    }
    if (!digits.empty()) {
        numbers.push_back(digits);
    }
    return numbers;
}

TEST(ReadmeHowToPlay, GivesNoNumberTheRulesTextDoesNot)
{
    const std::string howToPlay = ReadmeSection("## How to play");
    const std::vector<std::string> written = NumbersIn(std::string_view(howToPlay));
    ASSERT_FALSE(written.empty()) << "no \"How to play\" with numbers in " << ZINTRA_README;
    const std::vector<std::string> ruled = NumbersIn(RulesText());
    const std::set<std::string> rules(ruled.begin(), ruled.end());
    for (const std::string& number : written) {
        EXPECT_TRUE(rules.contains(number)) << number << " is in the README, not in the rules";
    }
}

TEST(ReadmeHowToPlay, ScoresColoursByTheRulesChart)
{
    // The chart closes the rules text, after its header: a line "cards<TAB>score" per count.
    std::wstring_view chart = RulesText();
    const std::size_t header = chart.find(L"\tScore\n");
    ASSERT_NE(header, std::wstring_view::npos);
    chart.remove_prefix(header + std::wstring_view(L"\tScore\n").size());
    std::vector<std::string> scores;
    while (!chart.empty()) {
        const std::size_t end = chart.find(L'\n');
        const std::vector<std::string> cells = NumbersIn(chart.substr(0, end));
        ASSERT_FALSE(cells.empty());
        scores.push_back(cells.back());
        chart.remove_prefix(end == std::wstring_view::npos ? chart.size() : end + 1);
    }
    ASSERT_GE(scores.size(), 2U);
    // As the README writes a list: "1, 3, ... or 21".
    std::string listed = scores.front();
    for (std::size_t index = 1; index + 1 < scores.size(); ++index) {
        listed += ", " + scores[index];
    }
    listed += " or " + scores.back();
    std::string howToPlay = ReadmeSection("## How to play");
    std::replace(howToPlay.begin(), howToPlay.end(), '\n', ' ');
    EXPECT_NE(howToPlay.find(listed), std::string::npos) << "the README does not list " << listed;
}

} // namespace
