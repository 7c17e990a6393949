// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodFormat.h"
#include "food/FoodNutrients.h"

#include <string>
#include <string_view>
#include <vector>

struct FoodTableUnit
{
    std::string name;
    float factor = 0.0f; // grams (millilitres for the volume pair) in one unit
};

struct FoodTableEntry
{
    std::string name;
    int pairKind = FoodFormat::NoPair;
    FoodFormat::Nutrients nutrients {}; // per gram (millilitre); 0 = not stored
    std::vector<FoodTableUnit> units;
    // The catalogue nutrients beyond the ten, per gram (millilitre), as the user's own foods
    // may carry them; the ten stay in `nutrients`.
    FoodNutrients more;
    int line = 0; // in the table, for messages
};

// The text food table (res/foods/foods.tsv): one food a line, tab-separated fields:
// name, pair ("g", "ml" or "-"), ten nutrient amounts per 100 g or 100 mL ("-" when not given),
// then up to 15 units, each "factor name". Empty lines and lines starting with '#' are skipped.
class FoodTable
{
public:
    // Reads every line; false when some line does not follow the format (see errors()).
    bool parse(std::string_view text);

    const std::vector<FoodTableEntry> &foods() const { return m_foods; }
    const std::vector<std::string> &errors() const { return m_errors; }

    // Orders the foods by name with A to Z compared as lower case, so the unfiltered list reads
    // alphabetically; foods of equal names keep their order.
    void sortByName();
    static bool nameLess(std::string_view a, std::string_view b);

    // One line that is not a comment; false with the reason in user words ("it has 9 fields,
    // not 12 or more") when it does not follow the format.
    static bool parseLine(std::string_view line, FoodTableEntry &food, std::string &error,
                          int maxUnits = FoodFormat::MaxStoredUnits);

private:
    std::vector<FoodTableEntry> m_foods;
    std::vector<std::string> m_errors;
};
