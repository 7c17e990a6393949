// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodCloseMatches.h"

#include "food/FoodDatabase.h"
#include "food/FoodFilter.h"
#include "food/FoodRanking.h"
#include "food/FoodSpelling.h"
#include "food/FoodWordIndex.h"

#include <algorithm>

namespace FoodCloseMatches {

namespace {

// A word's readings beyond those it has per word, and the ways tried, all told. Every way is
// one pass over the names.
constexpr std::size_t CloseReadings = 3;
constexpr std::size_t CloseWays = 6;
// More words than a food's name has are a pasted text, not a search to read otherwise.
constexpr std::size_t CloseWordsAtMost = 8;

struct Reading
{
    std::string words; // one or more, as typed in the search box
    int edits;
};

std::vector<Reading> closeReadings(const FoodWordIndex &index, const FoodSpelling &spelling,
                                   std::string_view typed)
{
    std::vector<Reading> readings;
    const std::string folded = FoodSpelling::Folded(typed);
    const bool known = index.begins(typed);
    if (known)
        readings.push_back({std::string(typed), 0});
    if (const std::string_view english = spelling.english(folded); !english.empty())
        readings.push_back({std::string(english), 0});
    // Words with figures or signs in them were typed as meant ("raw,", "2%").
    const bool letters = std::all_of(folded.begin(), folded.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
    });
    const int allowed = letters ? FoodWordIndex::AllowedEdits(folded) : 0;
    if (!known && allowed > 0) {
        std::vector<Reading> near;
        for (const FoodWordIndex::Near &word : index.near(folded, allowed))
            near.push_back({std::string(word.word), word.edits});
        for (const auto &[other, english] : spelling.entries()) {
            const int edits = FoodWordIndex::Edits(folded, other, allowed);
            if (edits <= allowed)
                near.push_back({english, edits});
        }
        std::stable_sort(near.begin(), near.end(),
                         [](const Reading &a, const Reading &b) { return a.edits < b.edits; });
        for (Reading &reading : near) {
            // A reading that begins with an earlier one finds nothing more: "tomato" finds
            // "tomatoes" too.
            const bool covered =
                std::any_of(readings.begin(), readings.end(), [&](const Reading &earlier) {
                    return reading.words.starts_with(earlier.words);
                });
            if (!covered && readings.size() < CloseReadings + known)
                readings.push_back(std::move(reading));
        }
    }
    if (readings.empty())
        readings.push_back({std::string(typed), 0});
    return readings;
}

} // namespace

void Find(const FoodDatabase &database, const FoodWordIndex &index, const FoodSpelling &spelling,
          const std::vector<std::string> &words, bool bestFirst, std::vector<std::int32_t> &matches)
{
    if (words.empty() || words.size() > CloseWordsAtMost)
        return;
    std::vector<std::vector<Reading>> readings;
    for (const std::string &word : words)
        readings.push_back(closeReadings(index, spelling, std::string_view(word).substr(1)));

    // Every way of reading the words together, fewest edits first; the words as typed once
    // more are left out.
    struct Way
    {
        std::string text;
        int edits;
    };
    std::vector<Way> ways {{std::string(), 0}};
    for (const std::vector<Reading> &options : readings) {
        std::vector<Way> longer;
        for (const Way &way : ways) {
            for (const Reading &option : options)
                longer.push_back({way.text + ' ' + option.words, way.edits + option.edits});
        }
        std::stable_sort(longer.begin(), longer.end(),
                         [](const Way &a, const Way &b) { return a.edits < b.edits; });
        if (longer.size() > CloseWays + 1)
            longer.resize(CloseWays + 1);
        ways = std::move(longer);
    }
    std::string asTyped;
    for (const std::string &word : words)
        asTyped += word;

    std::vector<bool> listed(std::size_t(database.recordCount()), false);
    for (const std::int32_t record : matches)
        listed[std::size_t(record)] = true;
    const std::size_t first = matches.size();
    std::vector<std::int32_t> found;
    for (const Way &way : ways) {
        if (way.text == asTyped)
            continue;
        found.clear();
        const std::vector<std::string> wayWords = FoodFilter::searchWords(way.text);
        if (bestFirst)
            FoodRanking::findMatches(database, wayWords, found);
        else
            FoodFilter::findMatches(database, wayWords, found);
        for (const std::int32_t record : found) {
            if (!listed[std::size_t(record)]) {
                listed[std::size_t(record)] = true;
                matches.push_back(record);
            }
        }
    }
    if (!bestFirst)
        std::sort(matches.begin() + std::ptrdiff_t(first), matches.end());
}

} // namespace FoodCloseMatches
