// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealRebase.h"

#include "meals/MealRecord.h"

#include <algorithm>
#include <cstdint>

namespace MealRebase {

namespace {

// Beyond this many cells the middle of two days is not matched row by row: such days are not
// edited by hand on two sides at once, and a refusal is safe.
constexpr std::size_t MaxCells = 4'000'000;

// The records again, without the dropped ones, the one at `at` replaced when given.
std::string joined(const std::vector<std::string_view> &records, const std::vector<bool> *dropped,
                   const std::string *replacement = nullptr, std::ptrdiff_t at = -1)
{
    std::string out;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (dropped && (*dropped)[i])
            continue;
        if (replacement && std::ptrdiff_t(i) == at)
            out += *replacement;
        else
            out += records[i];
    }
    return out;
}

} // namespace

std::vector<std::string_view> Records(std::string_view scrambled)
{
    std::vector<std::string_view> records;
    const std::size_t whole = MealRecord::WholeBytes(scrambled);
    std::size_t start = 0;
    // Each record ends on its unit's zero byte, which reads as the mask while scrambled; the
    // name's zero byte comes first and is followed by 48 bytes of numbers.
    while (start < whole) {
        const std::size_t nameEnd = scrambled.find(char(MealRecord::Mask), start);
        const std::size_t unitEnd =
            scrambled.find(char(MealRecord::Mask), nameEnd + 1 + MealRecord::NumberBytes);
        records.push_back(scrambled.substr(start, unitEnd + 1 - start));
        start = unitEnd + 1;
    }
    return records;
}

std::vector<std::ptrdiff_t> Match(const std::vector<std::string_view> &shown,
                                  const std::vector<std::string_view> &now)
{
    std::vector<std::ptrdiff_t> match(shown.size(), -1);
    // Most changes elsewhere are entries added at the end, or a few rows changed among many:
    // the common start and end are matched as they stand, only the middle needs a search.
    std::size_t head = 0;
    while (head < shown.size() && head < now.size() && shown[head] == now[head]) {
        match[head] = std::ptrdiff_t(head);
        ++head;
    }
    std::size_t tail = 0;
    while (tail < shown.size() - head && tail < now.size() - head &&
           shown[shown.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        match[shown.size() - 1 - tail] = std::ptrdiff_t(now.size() - 1 - tail);
        ++tail;
    }
    const std::size_t rows = shown.size() - head - tail;
    const std::size_t columns = now.size() - head - tail;
    if (rows == 0 || columns == 0 || rows * columns > MaxCells)
        return match;
    // The longest common subsequence of the middles, by the usual table.
    std::vector<std::vector<std::uint32_t>> longest(rows + 1,
                                                    std::vector<std::uint32_t>(columns + 1, 0));
    for (std::size_t i = rows; i-- > 0;) {
        for (std::size_t j = columns; j-- > 0;) {
            longest[i][j] = shown[head + i] == now[head + j]
                ? longest[i + 1][j + 1] + 1
                : std::max(longest[i + 1][j], longest[i][j + 1]);
        }
    }
    for (std::size_t i = 0, j = 0; i < rows && j < columns;) {
        if (shown[head + i] == now[head + j]) {
            match[head + i] = std::ptrdiff_t(head + j);
            ++i;
            ++j;
        } else if (longest[i + 1][j] >= longest[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    return match;
}

std::optional<std::string> Remove(std::string_view shownImage,
                                  const std::vector<std::size_t> &removed,
                                  std::string_view nowImage)
{
    const std::vector<std::string_view> shown = Records(shownImage);
    const std::vector<std::string_view> now = Records(nowImage);
    const std::vector<std::ptrdiff_t> match = Match(shown, now);
    std::vector<bool> dropped(now.size(), false);
    for (const std::size_t index : removed) {
        if (index >= shown.size() || match[index] < 0)
            return std::nullopt;
        dropped[std::size_t(match[index])] = true;
    }
    return joined(now, &dropped);
}

std::optional<std::string> ChangeAmount(std::string_view shownImage, std::size_t index,
                                        float amount, std::string_view nowImage)
{
    const std::vector<std::string_view> shown = Records(shownImage);
    const std::vector<std::string_view> now = Records(nowImage);
    if (index >= shown.size())
        return std::nullopt;
    const std::vector<std::ptrdiff_t> match = Match(shown, now);
    if (match[index] < 0)
        return std::nullopt;
    const std::optional<std::string> changed = MealRecord::WithAmount(shown[index], 0, amount, 1);
    if (!changed)
        return std::nullopt;
    return joined(now, nullptr, &*changed, match[index]);
}

std::optional<std::string> Replace(std::string_view shownImage, std::size_t index,
                                   const std::string &records, std::string_view nowImage)
{
    const std::vector<std::string_view> shown = Records(shownImage);
    const std::vector<std::string_view> now = Records(nowImage);
    if (index >= shown.size())
        return std::nullopt;
    const std::vector<std::ptrdiff_t> match = Match(shown, now);
    if (match[index] < 0)
        return std::nullopt;
    return joined(now, nullptr, &records, match[index]);
}

} // namespace MealRebase
