// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DayMerge.h"

#include "food/UserFoodTable.h"
#include "meals/MealRebase.h"
#include "meals/MealRecord.h"

#include <map>

namespace DayMerge {

std::vector<MealRow> Meals(std::string_view ours, std::string_view theirs)
{
    const std::vector<std::string_view> mine = MealRebase::Records(ours);
    const std::vector<std::string_view> other = MealRebase::Records(theirs);
    // How many of each record theirs has that ours has not yet matched.
    std::map<std::string_view, int> unmatched;
    for (const std::string_view record : other)
        ++unmatched[record];

    std::vector<MealRow> rows;
    const auto add = [&rows](std::string_view record, Side side) {
        MealRecord::Decoded decoded = MealRecord::Decode(record);
        rows.push_back({std::move(decoded.entries.front()), std::string(record), side});
    };
    for (const std::string_view record : mine) {
        int &left = unmatched[record];
        add(record, left > 0 ? Side::Both : Side::Ours);
        if (left > 0)
            --left;
    }
    // Theirs' surplus, in their order: the last copies of a record are the ones ours lacks.
    std::map<std::string_view, int> seen;
    std::map<std::string_view, int> total;
    for (const std::string_view record : other)
        ++total[record];
    for (const std::string_view record : other) {
        const int index = seen[record]++;
        if (index >= total[record] - unmatched[record])
            add(record, Side::Theirs);
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].entry.listIndex = int(i);
    return rows;
}

std::string MealImage(const std::vector<MealRow> &rows, const std::vector<bool> &keep)
{
    std::string image;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (keep.empty() || (i < keep.size() && keep[i]))
            image += rows[i].record;
    }
    return image;
}

std::string Notes(std::string_view ours, std::string_view theirs)
{
    if (theirs.empty() || ours.find(theirs) != std::string_view::npos)
        return std::string(ours);
    if (ours.empty() || theirs.find(ours) != std::string_view::npos)
        return std::string(theirs);
    std::string joined(ours);
    while (!joined.empty() && joined.back() == '\n')
        joined.pop_back();
    return joined + "\n\n" + std::string(theirs);
}

namespace {

bool sameFood(const FoodTableEntry &a, const FoodTableEntry &b)
{
    if (a.name != b.name || a.pairKind != b.pairKind || a.nutrients != b.nutrients ||
        a.more != b.more || a.units.size() != b.units.size())
        return false;
    for (std::size_t i = 0; i < a.units.size(); ++i) {
        if (a.units[i].name != b.units[i].name || a.units[i].factor != b.units[i].factor)
            return false;
    }
    return true;
}

} // namespace

std::string OwnFoods(std::string_view ours, std::string_view theirs,
                     const std::function<bool(const std::string &name)> &takeTheirs,
                     std::vector<std::string> *differing)
{
    UserFoodTable joined;
    joined.parse(ours);
    UserFoodTable other;
    other.parse(theirs);
    joined.addPastOf(other);
    for (const FoodTableEntry &food : other.foods()) {
        const FoodTableEntry *mine = joined.find(food.name);
        if (!mine) {
            joined.add(food);
            continue;
        }
        if (sameFood(*mine, food))
            continue;
        if (differing)
            differing->push_back(food.name);
        if (takeTheirs && takeTheirs(food.name)) {
            const std::string name = mine->name;
            joined.edit(name, food);
        }
    }
    return joined.text();
}

} // namespace DayMerge
