// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/UserFoodHistory.h"

#include "food/TableText.h"
#include "food/UserFoodTable.h"

#include <cmath>

namespace UserFoodHistory {

namespace {

// The name, the pair and the ten after the date.
constexpr std::size_t HistoryFoodFields = 2 + FoodFormat::NutrientCount;

// Whether a ended before b did; the food as it is now never ended.
bool historyEndsBefore(const Definition &a, const Definition &b)
{
    return a.until && (!b.until || DayFiles::Before(*a.until, *b.until));
}

// The entry's values are what the definition gave, within the rounding of the file's six digits.
bool historyGaveValues(const FoodTableEntry &food, const Nutrients &stored)
{
    for (std::size_t k = 0; k < stored.size(); ++k) {
        const double own = double(food.nutrients[k]);
        if (std::fabs(own - double(stored[k])) > 1e-4 * std::fabs(own) + 1e-9)
            return false;
    }
    return true;
}

} // namespace

std::string FormatLine(const FoodTableEntry &food, const Day &until)
{
    FoodTableEntry withoutUnits = food;
    withoutUnits.units.clear();
    return std::string(Prefix) + DayFiles::IsoDate(until) + '\t' +
        UserFoodTable::formatLine(withoutUnits) + UserFoodTable::moreFields(food);
}

bool ParseLine(std::string_view line, Definition &definition, std::string &error)
{
    const std::vector<std::string_view> fields = TableText::Fields(line.substr(Prefix.size()));
    if (fields.size() < 1 + HistoryFoodFields) {
        error = "it has " + std::to_string(fields.size() + 1) + " fields, not " +
            std::to_string(2 + HistoryFoodFields) + " or more";
        return false;
    }
    const std::optional<Day> until = DayFiles::ParseIsoDate(fields[0]);
    if (!until) {
        error = "its date " + TableText::Shown(fields[0]) + " is not a date written YYYY-MM-DD";
        return false;
    }
    // The food's own fields and its other nutrients, read as their lines are.
    const std::size_t foodStart = std::size_t(fields[1].data() - line.data());
    const std::size_t moreStart = fields.size() > 1 + HistoryFoodFields
        ? std::size_t(fields[1 + HistoryFoodFields].data() - line.data())
        : line.size() + 1;
    FoodTableEntry food;
    if (!FoodTable::parseLine(line.substr(foodStart, moreStart - 1 - foodStart), food, error, 0))
        return false;
    if (moreStart < line.size()) {
        std::string name;
        const std::string more = food.name + '\t' + std::string(line.substr(moreStart));
        if (!UserFoodTable::parseMoreLine(more, name, food.more, error))
            return false;
    }
    definition = {std::move(food), until};
    return true;
}

bool Changes(const FoodTableEntry &before, const FoodTableEntry &after)
{
    return before.name != after.name || before.nutrients != after.nutrients ||
        !(before.more == after.more);
}

const Definition *InForce(const std::vector<Definition> &ofOneName, const std::optional<Day> &day,
                          const Nutrients *stored)
{
    std::vector<const Definition *> all, matching;
    for (const Definition &definition : ofOneName) {
        all.push_back(&definition);
        if (stored && historyGaveValues(definition.food, *stored))
            matching.push_back(&definition);
    }
    const Definition *latest = nullptr, *inForce = nullptr;
    for (const Definition *candidate : matching.empty() ? all : matching) {
        // File order breaks ties: of two that ended on one day the first was the earlier.
        if (!latest || !historyEndsBefore(*candidate, *latest))
            latest = candidate;
        if (day && (!candidate->until || DayFiles::Before(*day, *candidate->until)) &&
            (!inForce || historyEndsBefore(*candidate, *inForce)))
            inForce = candidate;
    }
    return inForce ? inForce : latest;
}

} // namespace UserFoodHistory
