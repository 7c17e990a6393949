// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class FoodDatabase;

// "Best matches first": which records a search finds, and in what order, when the setting is on.
//
// Matching is wider than the alphabetical list's: a word of a name also begins after a hyphen,
// a typed word with a hyphen also matches the two words with a space between them, and a typed
// word matches the other number of a name's word ("eggs" finds "Egg, whole", "cherry" finds
// "Cherries"). The typed word still matches the start of a name's word; its other numbers match
// whole words only, so "eggs" does not find "Eggplant".
//
// Order, each key deciding only where the ones before it tie:
//  1. how the food is named: its name up to the first comma is made of the typed words; else the
//     name starts with the first typed word; else the name only mentions the words;
//  2. its kind: said to be plain or fresh, plain, a processed form, a dish, a brand or chain
//     product, baby food;
//  3. the number of words that name it: words in brackets, figures, a part of the name (between
//     commas) that starts with a figure ("3.25% milkfat") and one from "with added", "without
//     added" or "fortified with" on do not count;
//  4. database order, alphabetical as the list without the setting.
class FoodRanking
{
public:
    enum class Kind { Basic, Plain, Processed, Dish, Brand, Baby };

    // words: as FoodFilter::searchWords gives them, each " word".
    explicit FoodRanking(const std::vector<std::string> &words);

    // searchText: a record's search text (a space, then the name with A to Z lowered).
    bool matches(std::string_view searchText) const;

    // Appends every record the words match, best match first. No words: every record, in
    // database order. `ranks`, when given, receives each match's place by the keys 1 to 3: two
    // matches that tie there are equally good.
    static void findMatches(const FoodDatabase &database, const std::vector<std::string> &words,
                            std::vector<std::int32_t> &matches,
                            std::vector<std::uint32_t> *ranks = nullptr);

    // The word's singular and plural forms by the English rules: -s, -es, -ies for -y, -ves for
    // -f and -fe, each way. Nothing for words under three letters.
    static std::vector<std::string> otherNumbers(std::string_view word);
    // The other numbers, and theirs in turn: "tomatos" also gives "tomatoes".
    static std::vector<std::string> numberForms(std::string_view word);
    // Whether a rank findMatches gave is of a name that only mentions the words (key 1), not
    // one made of them or starting with the first.
    static bool MentionsOnly(std::uint32_t rank) { return (rank >> 12) >= NamingMentioned; }

    // name: as stored, with its capitals, which tell makers' names.
    static Kind kindOf(std::string_view name);
    // searchText: as for matches().
    static int countedWords(std::string_view searchText);

private:
    enum class Naming { ByTheWords, FirstWordFirst, Mentioned };
    static constexpr std::uint32_t NamingMentioned = std::uint32_t(Naming::Mentioned);

    struct Form
    {
        std::string text;
        bool wholeWord; // an other number: it must not run on into a longer word
    };

    Naming namingOf(std::string_view searchText) const;
    static bool formAt(std::string_view text, std::size_t at, const Form &form);
    static bool formAnywhere(std::string_view text, const Form &form);

    std::vector<std::vector<Form>> m_words; // the forms of each typed word
    std::vector<std::string> m_headWords; // words a name's head may hold to be named by them
    std::string m_firstCommon; // the letters every form of the first word starts with
};
