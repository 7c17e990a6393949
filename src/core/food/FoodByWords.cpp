// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodByWords.h"

#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "food/FoodRanking.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace FoodByWords {

namespace {

// The typed words, lowered, with runs of blanks made one space.
std::string foodByWordsNormal(std::string_view text)
{
    std::string normal;
    for (const char c : FoodFilter::Lowered(text)) {
        if (c == ' ' || c == '\t') {
            if (!normal.empty() && normal.back() != ' ')
                normal += ' ';
        } else {
            normal += c;
        }
    }
    while (!normal.empty() && normal.back() == ' ')
        normal.pop_back();
    return normal;
}

// The words of a text, lowered, in A to Z order: letters and digits (and any non-ASCII
// character) between the rest.
std::vector<std::string> foodByWordsSet(std::string_view text)
{
    std::vector<std::string> words(1);
    for (const char c : FoodFilter::Lowered(text)) {
        if (std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80)
            words.back() += c;
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    std::sort(words.begin(), words.end());
    return words;
}

} // namespace

std::vector<int> Units(const FoodUnits &units, std::string_view typed)
{
    const std::string wanted = foodByWordsNormal(typed);
    std::vector<int> exact, starting;
    if (wanted.empty())
        return exact;
    for (int i = 0; i < units.count; ++i) {
        const std::string name =
            foodByWordsNormal(TextCodec::ToUtf8(units.items[std::size_t(i)].name));
        if (name == wanted)
            exact.push_back(i);
        // The typed words end where a word of the name ends: "cup" is not "cups" nor "cupful".
        else if (name.starts_with(wanted) &&
                 !std::isalnum(static_cast<unsigned char>(name[wanted.size()])))
            starting.push_back(i);
    }
    return !exact.empty() ? exact : starting;
}

Choice Find(const FoodDatabase &database, std::string_view words, std::string_view unitWords)
{
    std::vector<std::int32_t> matches;
    std::vector<std::uint32_t> ranks;
    FoodRanking::findMatches(database, FoodFilter::searchWords(FoodFilter::Lowered(words)), matches,
                             &ranks);
    Choice choice;
    std::vector<std::uint32_t> kept;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        if (unitWords.empty() || !Units(database.record(matches[i]).units(), unitWords).empty()) {
            choice.candidates.push_back(matches[i]);
            kept.push_back(ranks[i]);
        }
    }
    // No food has the unit: the food is chosen alone, and the unit said to be none of its.
    if (choice.candidates.empty()) {
        choice.candidates.assign(matches.begin(), matches.end());
        kept = ranks;
    }
    // A name that only mentions the words somewhere is never taken on its own.
    if (kept.empty() || FoodRanking::MentionsOnly(kept[0]))
        return choice;
    if (kept.size() == 1 || kept[0] < kept[1]) {
        choice.record = choice.candidates.front();
        choice.candidates = {choice.record};
        return choice;
    }
    // Among those ranked first, the one food named by exactly the typed words is meant: "apples
    // raw with skin" is not "Apples, raw, without skin".
    const std::vector<std::string> typed = foodByWordsSet(words);
    int named = -1;
    for (std::size_t i = 0; i < kept.size() && kept[i] == kept[0]; ++i) {
        if (foodByWordsSet(TextCodec::ToUtf8(database.name(choice.candidates[i]))) != typed)
            continue;
        if (named >= 0)
            return choice; // two foods of the same words: the user must tell them apart
        named = choice.candidates[i];
    }
    if (named >= 0) {
        choice.record = named;
        choice.candidates = {named};
    }
    return choice;
}

} // namespace FoodByWords
