// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodWordIndex.h"

#include "food/FoodDatabase.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace {

bool wordIndexLetter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || byte >= 0x80;
}

// Words longer than this are compared by nothing: no food word is.
constexpr std::size_t WordIndexLongest = 40;

} // namespace

FoodWordIndex::FoodWordIndex(const FoodDatabase &database) : m_generation(database.generation())
{
    // Each word once, with the names that hold it: far fewer than the words of all names.
    struct Seen
    {
        int names;
        int lastRecord;
    };
    std::unordered_map<std::string_view, Seen> seen;
    seen.reserve(16384);
    for (int record = 0; record < database.recordCount(); ++record) {
        const std::string_view text = database.searchText(record);
        std::size_t i = 0;
        while (i < text.size()) {
            if (!wordIndexLetter(text[i])) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < text.size() && wordIndexLetter(text[end]))
                ++end;
            if (end - i >= 3 && end - i <= WordIndexLongest) {
                Seen &word = seen.try_emplace(text.substr(i, end - i), Seen {0, -1}).first->second;
                if (word.lastRecord != record) {
                    ++word.names;
                    word.lastRecord = record;
                }
            }
            i = end;
        }
    }
    std::vector<std::pair<std::string_view, int>> words;
    words.reserve(seen.size());
    for (const auto &[word, counts] : seen)
        words.emplace_back(word, counts.names);
    std::sort(words.begin(), words.end());
    m_starts.reserve(words.size());
    m_names.reserve(words.size());
    for (const auto &[word, names] : words) {
        m_starts.push_back(std::uint32_t(m_text.size()));
        m_names.push_back(std::uint32_t(names));
        m_text.append(word);
        m_text += '\0';
    }
}

std::string_view FoodWordIndex::wordAt(std::size_t i) const
{
    const char *start = m_text.data() + m_starts[i];
    return {start, std::strlen(start)};
}

bool FoodWordIndex::begins(std::string_view word) const
{
    std::size_t low = 0, high = m_starts.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (wordAt(middle) < word)
            low = middle + 1;
        else
            high = middle;
    }
    return low < m_starts.size() && wordAt(low).starts_with(word);
}

std::vector<FoodWordIndex::Near> FoodWordIndex::near(std::string_view word, int maxEdits) const
{
    std::vector<Near> found;
    if (maxEdits <= 0 || word.size() > WordIndexLongest)
        return found;
    for (std::size_t i = 0; i < m_starts.size(); ++i) {
        const std::string_view candidate = wordAt(i);
        const auto apart = candidate.size() > word.size() ? candidate.size() - word.size()
                                                          : word.size() - candidate.size();
        if (apart > std::size_t(maxEdits))
            continue;
        const int edits = Edits(word, candidate, maxEdits);
        if (edits <= maxEdits && edits > 0)
            found.push_back({candidate, edits, int(m_names[i])});
    }
    std::sort(found.begin(), found.end(), [](const Near &a, const Near &b) {
        if (a.edits != b.edits)
            return a.edits < b.edits;
        if (a.names != b.names)
            return a.names > b.names;
        return a.word < b.word;
    });
    return found;
}

int FoodWordIndex::Edits(std::string_view a, std::string_view b, int limit)
{
    if (a.size() > WordIndexLongest || b.size() > WordIndexLongest)
        return limit + 1;
    // Three rows of the table of edits between the beginnings of the two words.
    std::array<int, WordIndexLongest + 1> before {}, previous {}, row {};
    for (std::size_t j = 0; j <= b.size(); ++j)
        previous[j] = int(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        row[0] = int(i);
        int best = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int changed = a[i - 1] == b[j - 1] ? 0 : 1;
            int edits = std::min({previous[j] + 1, row[j - 1] + 1, previous[j - 1] + changed});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                edits = std::min(edits, before[j - 2] + 1);
            row[j] = edits;
            best = std::min(best, edits);
        }
        if (best > limit)
            return limit + 1;
        before = previous;
        previous = row;
    }
    return std::min(previous[b.size()], limit + 1);
}

int FoodWordIndex::AllowedEdits(std::string_view word)
{
    if (word.size() < 4)
        return 0;
    return word.size() < 8 ? 1 : 2;
}
