// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class FoodDatabase;
class FoodWordIndex;

// Which records the food list shows for the text in the search box.
//
// With fewer than two characters the list shows every record. Otherwise the text, lower-cased
// by the caller, is split into words at spaces; a record is listed when each word begins a word
// of its name (the search copy's leading space makes " word" match only there). A new text
// recomputes the list unless it only grew while its words stayed the same, as when spaces are
// typed after them.
//
// With best matches first, the words match and the rows are ordered as FoodRanking says.
//
// When the words find fewer than CloseMatchesBelow foods, the foods FoodCloseMatches finds
// for them follow, marked as close matches.
class FoodFilter
{
public:
    enum class Change {
        ShowAll, // fewer than two characters: every record, in database order
        Unchanged, // the list stays as it is
        Recomputed, // the list was filtered anew; no food is current any more
    };

    explicit FoodFilter(const FoodDatabase &database);
    ~FoodFilter();
    FoodFilter(const FoodFilter &) = delete;
    FoodFilter &operator=(const FoodFilter &) = delete;

    static constexpr std::size_t CloseMatchesBelow = 5;

    // loweredText: the search box text, its letters lowered by the code page's rules;
    // characters: the length of the text as typed.
    Change setSearchText(std::string_view loweredText, int characters);
    // The text as typed (UTF-8), lowered and counted by the one rule the window's search box and
    // the command line share.
    Change setTypedText(std::string_view typed);

    // A to Z lowered, and the accented capitals of Latin-1 ("\xc3\x80" to "\xc3\x9e" but the
    // multiplication sign); other text as it is, as the names' search copies keep it.
    static std::string Lowered(std::string_view typed);
    // Characters as typed: a UTF-8 sequence counts once.
    static int Characters(std::string_view typed);

    // Back to every record, as after loading; the previous search is kept.
    void showAll() { m_filtering = false; }

    // Recomputed when a filtered list had to be matched and ordered anew, else Unchanged.
    Change setBestMatchesFirst(bool on);
    bool bestMatchesFirst() const { return m_bestMatchesFirst; }

    bool isFiltering() const { return m_filtering; }
    int rowCount() const;
    // The record shown in a row; -1 for a row outside the list.
    int recordForRow(int row) const;
    // In database order, or best match first; the close matches after the others.
    const std::vector<std::int32_t> &filteredRecords() const { return m_filtered; }
    // Whether the row shows a food found only as a close match.
    bool isCloseMatch(int row) const
    {
        return m_filtering && row >= int(m_exactCount) && row < int(m_filtered.size());
    }

    // Each word of the text as " word", in order; runs of spaces make no empty words.
    static std::vector<std::string> searchWords(std::string_view text);
    // Appends, in database order, every record whose search text holds all the words.
    static void findMatches(const FoodDatabase &database, const std::vector<std::string> &words,
                            std::vector<std::int32_t> &matches);

private:
    void runFilter(std::vector<std::string> words);

    const FoodDatabase &m_database;
    bool m_filtering = false;
    bool m_bestMatchesFirst = false;
    int m_previousCharacters = 0;
    std::vector<std::string> m_previousWords;
    std::vector<std::int32_t> m_filtered;
    std::size_t m_exactCount = 0; // the rows before the close matches
    std::unique_ptr<FoodWordIndex> m_wordIndex; // built when first needed
};
