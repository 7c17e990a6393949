// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class FoodDatabase;

// The distinct words of the food names, built once from the search copy, to find the words a
// mistyped one was meant to be. A word is a run of letters (A to Z lowered, and any byte of a
// multi-byte letter) of three or more.
class FoodWordIndex
{
public:
    FoodWordIndex() = default;
    explicit FoodWordIndex(const FoodDatabase &database);

    // The database generation the index was built from.
    std::uint64_t generation() const { return m_generation; }
    int wordCount() const { return int(m_starts.size()); }

    // Whether some word of a name begins with `word`.
    bool begins(std::string_view word) const;

    struct Near
    {
        std::string_view word;
        int edits;
        int names; // how many names hold the word
    };
    // The words within `maxEdits` of `word`, fewest edits first, then the most used.
    std::vector<Near> near(std::string_view word, int maxEdits) const;

    // Edits that make one word the other: a letter put in, taken out or changed, or two
    // neighbours swapped (each one edit); `limit` + 1 as soon as more are needed. Bytes count
    // as letters.
    static int Edits(std::string_view a, std::string_view b, int limit);
    // How many edits a typed word may be away from a name's word: none under four letters,
    // one up to seven, two from eight on.
    static int AllowedEdits(std::string_view word);

private:
    std::string_view wordAt(std::size_t i) const;

    std::string m_text; // the words, sorted, each ended by a zero
    std::vector<std::uint32_t> m_starts; // where each word starts in m_text
    std::vector<std::uint32_t> m_names; // the names that hold each word
    std::uint64_t m_generation = 0;
};
