// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Other spellings of food words, and the common German ones, with the English words the food
// names use: "yoghurt" is "yogurt", "milch" is "milk", "hackfleisch" is "ground beef". Both
// sides are compared folded (see Folded), so "Käse", "käse" and "kase" are one word.
//
// The word list is text, one pair a line: the other word, a tab, the English words. Lines that
// are empty or start with '#' say nothing; a line without a tab is skipped.
class FoodSpelling
{
public:
    FoodSpelling() = default;
    explicit FoodSpelling(std::string_view list);

    // The word list that comes with the program, read on first use.
    static const FoodSpelling &Shipped();

    // A to Z and the Latin-1 letters lowered, umlauts and accents dropped from their vowels
    // ("ä" is "a", "é" is "e"), "ß" made "ss". Other bytes stay as they are.
    static std::string Folded(std::string_view word);

    // The English words for a folded word; empty when the list has none.
    std::string_view english(std::string_view folded) const;
    // Every folded word of the list, with its English words, sorted by the folded word.
    const std::vector<std::pair<std::string, std::string>> &entries() const { return m_entries; }

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};
