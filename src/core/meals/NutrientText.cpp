// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/NutrientText.h"

#include "meals/MealEntry.h"
#include "platform/CompactNumber.h"
#include "platform/UiText.h"

#include <algorithm>
#include <array>

namespace NutrientText {

namespace {

struct Row
{
    std::string_view label;
    std::string_view unit;
    int screenRow;
};

constexpr std::array<Row, Nutrient::Count> Rows {{
    {CORVALO_UI_TEXT("NutrientText", "Calories:"), "", 0},
    {CORVALO_UI_TEXT("NutrientText", "Carbohydrates:"), "g", 1},
    {CORVALO_UI_TEXT("NutrientText", "Fat:"), "g", 3},
    {CORVALO_UI_TEXT("NutrientText", "Protein:"), "g", 2},
    {CORVALO_UI_TEXT("NutrientText", "Fiber:"), "g", 6},
    {CORVALO_UI_TEXT("NutrientText", "Calcium:"), "mg", 9},
    {CORVALO_UI_TEXT("NutrientText", "Sodium:"), "mg", 8},
    {CORVALO_UI_TEXT("NutrientText", "Saturated fat:"), "g", 4},
    {CORVALO_UI_TEXT("NutrientText", "Cholesterol:"), "mg", 5},
    {CORVALO_UI_TEXT("NutrientText", "Sugars:"), "g", 7},
}};

bool validRow(int nutrient)
{
    return nutrient >= 0 && nutrient < Nutrient::Count;
}

// Written so that NaN falls through to "nothing", as it fails both comparisons. Longer figures
// take the exponent form so that they stay inside the panel.
std::string figure(float value, std::size_t maxChars)
{
    if (value > 9.0f)
        return CompactNumber::fit(value, 0, maxChars);
    if (value > 0.0f)
        return CompactNumber::fit(value, 1, maxChars);
    return {};
}

} // namespace

std::string_view Label(int nutrient)
{
    return validRow(nutrient) ? Rows[nutrient].label : std::string_view();
}

std::string_view Unit(int nutrient)
{
    return validRow(nutrient) ? Rows[nutrient].unit : std::string_view();
}

int ScreenRow(int nutrient)
{
    return validRow(nutrient) ? Rows[nutrient].screenRow : -1;
}

std::string Figure(float value)
{
    return figure(value, MaxTotalChars);
}

std::string Total(int nutrient, float value)
{
    std::string text = Figure(value);
    if (text.empty())
        return "-";
    text += ' ';
    text += Unit(nutrient);
    return text;
}

std::string FormatDelta(std::string_view sign, float value)
{
    std::string text = figure(value, MaxDeltaChars - std::min(sign.size(), MaxDeltaChars - 1));
    if (text.empty())
        return text;
    return std::string(sign) + text;
}

} // namespace NutrientText
