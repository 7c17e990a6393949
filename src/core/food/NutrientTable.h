// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodNutrients.h"

#include <string>
#include <string_view>
#include <vector>

struct NutrientTableEntry
{
    std::string name;
    FoodNutrients nutrients; // per gram (millilitre), as FoodTable turns its amounts
    int line = 0; // in the table, for messages
};

// The text nutrient table (res/foods/nutrients.tsv), beside the food table: lines starting with
// '#' and empty lines are skipped; the first other line names the columns ("name", then catalogue
// keys in any order; a nutrient without a column is unknown for every food); every further line
// is a food's name and its amounts per 100 g or 100 mL, "-" where unknown.
class NutrientTable
{
public:
    // Reads every line; false when the header or some line does not follow the format (see
    // errors()).
    bool parse(std::string_view text);

    const std::vector<NutrientTableEntry> &foods() const { return m_foods; }
    const std::vector<std::string> &errors() const { return m_errors; }

private:
    bool parseHeader(std::string_view line, std::string &error);
    bool parseLine(std::string_view line, NutrientTableEntry &food, std::string &error) const;

    std::vector<int> m_columns; // catalogue id of each column after the name
    std::vector<NutrientTableEntry> m_foods;
    std::vector<std::string> m_errors;
};
