// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodSpelling.h"

#include "food/FoodFilter.h"
#include "food/FoodSpellingList.h"

#include <algorithm>

namespace {

// The letters of U+00C0 to U+00FF after their lead byte 0xC3, lowered, without their marks;
// 0 where the letter has no plain form ("æ", "ð", "þ", "÷").
constexpr char SpellingPlainLatin1[64] = {
    'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    0,   'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   0,
    'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    0,   'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   'y',
};

std::string_view spellingTrimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

} // namespace

FoodSpelling::FoodSpelling(std::string_view list)
{
    while (!list.empty()) {
        const std::size_t end = std::min(list.find('\n'), list.size());
        const std::string_view line = list.substr(0, end);
        list.remove_prefix(std::min(end + 1, list.size()));
        const std::size_t tab = line.find('\t');
        if (line.empty() || line.front() == '#' || tab == std::string_view::npos)
            continue;
        std::string other = Folded(spellingTrimmed(line.substr(0, tab)));
        std::string english = FoodFilter::Lowered(spellingTrimmed(line.substr(tab + 1)));
        if (!other.empty() && !english.empty())
            m_entries.emplace_back(std::move(other), std::move(english));
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    // The first line of a word decides.
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end(),
                                [](const auto &a, const auto &b) { return a.first == b.first; }),
                    m_entries.end());
}

const FoodSpelling &FoodSpelling::Shipped()
{
    static const FoodSpelling shipped(FoodSpellingList::Text());
    return shipped;
}

std::string FoodSpelling::Folded(std::string_view word)
{
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (c >= 'A' && c <= 'Z') {
            out += char(c - 'A' + 'a');
            continue;
        }
        if (c == 0xC3 && i + 1 < word.size()) {
            const auto next = static_cast<unsigned char>(word[i + 1]);
            if (next == 0x9F) {
                out += "ss";
                ++i;
                continue;
            }
            if (next >= 0x80 && next <= 0xBF && SpellingPlainLatin1[next - 0x80] != 0) {
                out += SpellingPlainLatin1[next - 0x80];
                ++i;
                continue;
            }
        }
        out += char(c);
    }
    return out;
}

std::string_view FoodSpelling::english(std::string_view folded) const
{
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), folded,
                                     [](const auto &entry, std::string_view key) {
                                         return std::string_view(entry.first) < key;
                                     });
    if (at == m_entries.end() || at->first != folded)
        return {};
    return at->second;
}
