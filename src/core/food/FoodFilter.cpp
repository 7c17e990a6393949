// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodFilter.h"

#include "food/FindBytes.h"
#include "food/FoodCloseMatches.h"
#include "food/FoodDatabase.h"
#include "food/FoodRanking.h"
#include "food/FoodSpelling.h"
#include "food/FoodWordIndex.h"

#include <algorithm>
#include <cstring>
#include <numeric>

FoodFilter::FoodFilter(const FoodDatabase &database) : m_database(database) { }

FoodFilter::~FoodFilter() = default;

std::string FoodFilter::Lowered(std::string_view typed)
{
    std::string out(typed);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = char(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                out[i + 1] = char(next + 0x20);
            ++i;
        }
    }
    return out;
}

int FoodFilter::Characters(std::string_view typed)
{
    return int(std::count_if(typed.begin(), typed.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

FoodFilter::Change FoodFilter::setTypedText(std::string_view typed)
{
    const int characters = Characters(typed);
    return setSearchText(characters < 2 ? std::string() : Lowered(typed), characters);
}

FoodFilter::Change FoodFilter::setSearchText(std::string_view loweredText, int characters)
{
    if (characters < 2) {
        m_filtering = false;
        return Change::ShowAll;
    }

    std::vector<std::string> words = searchWords(loweredText);
    bool recompute = m_previousCharacters >= characters || words.size() > m_previousWords.size();
    for (std::size_t i = 0; !recompute && i < words.size(); ++i)
        recompute = words[i] != m_previousWords[i];
    // The list shows everything, yet the text has words: a paste over a short text can get here
    // with the same words as before, and the list must not stay unfiltered.
    if (!m_filtering && !words.empty())
        recompute = true;
    if (!recompute)
        return Change::Unchanged;

    m_previousCharacters = characters;
    runFilter(std::move(words));
    return Change::Recomputed;
}

FoodFilter::Change FoodFilter::setBestMatchesFirst(bool on)
{
    if (on == m_bestMatchesFirst)
        return Change::Unchanged;
    m_bestMatchesFirst = on;
    if (!m_filtering)
        return Change::Unchanged;
    runFilter(m_previousWords);
    return Change::Recomputed;
}

void FoodFilter::runFilter(std::vector<std::string> words)
{
    m_filtered.clear();
    if (m_bestMatchesFirst)
        FoodRanking::findMatches(m_database, words, m_filtered);
    else
        findMatches(m_database, words, m_filtered);
    m_exactCount = m_filtered.size();
    if (m_exactCount < CloseMatchesBelow && !words.empty()) {
        if (!m_wordIndex || m_wordIndex->generation() != m_database.generation())
            m_wordIndex = std::make_unique<FoodWordIndex>(m_database);
        FoodCloseMatches::Find(m_database, *m_wordIndex, FoodSpelling::Shipped(), words,
                               m_bestMatchesFirst, m_filtered);
    }
    m_filtering = true;
    m_previousWords = std::move(words);
}

int FoodFilter::rowCount() const
{
    return m_filtering ? int(m_filtered.size()) : m_database.recordCount();
}

int FoodFilter::recordForRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return m_filtering ? m_filtered[std::size_t(row)] : row;
}

std::vector<std::string> FoodFilter::searchWords(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        if (text[start] == ' ') {
            ++start;
            continue;
        }
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string word = " ";
        word.append(text.substr(start, end - start));
        words.push_back(std::move(word));
        start = end;
    }
    return words;
}

void FoodFilter::findMatches(const FoodDatabase &database, const std::vector<std::string> &words,
                             std::vector<std::int32_t> &matches)
{
    const int count = database.recordCount();
    if (words.empty()) {
        const std::size_t first = matches.size();
        matches.resize(first + std::size_t(count));
        std::iota(matches.begin() + std::ptrdiff_t(first), matches.end(), 0);
        return;
    }

    // One scan of the search copy for the first word; each hit names its record through the
    // offset table, and only that record's name is searched for the other words.
    const char *copy = database.searchCopy();
    const char *scan = copy + database.recordsBegin();
    const char *end = copy + database.recordsEnd();
    const std::string_view first = words.front();
    int record = 0;
    while (scan < end) {
        const char *hit = FindBytes(scan, end, first);
        if (hit == nullptr)
            break;
        // Hits come in ascending order, so the record is found from the last one on.
        while (record + 1 < count && database.recordOffset(record + 1) <= std::size_t(hit - copy))
            ++record;
        const char *text = copy + database.recordOffset(record);
        scan = copy + database.recordEnd(record);
        // A hit past the name's zero lies in the record's other bytes.
        if (std::memchr(text, 0, std::size_t(hit - text)) != nullptr)
            continue;
        const char *textEnd = hit + first.size();
        textEnd += std::strlen(textEnd);
        const bool all = std::all_of(words.begin() + 1, words.end(), [&](const std::string &word) {
            return FindBytes(text, textEnd, word) != nullptr;
        });
        if (all)
            matches.push_back(record);
    }
}
