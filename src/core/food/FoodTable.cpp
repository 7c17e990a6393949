// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

bool readNumber(std::string_view text, double &value)
{
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && std::isfinite(value) && value >= 0.0 &&
        value <= std::numeric_limits<float>::max(); // stored as a float
}

constexpr int FirstNutrientField = 2;
constexpr int FirstUnitField = FirstNutrientField + FoodFormat::NutrientCount;

} // namespace

bool FoodTable::parse(std::string_view text)
{
    m_foods.clear();
    m_errors.clear();
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;

        FoodTableEntry food;
        food.line = lineNumber;
        std::string error;
        if (parseLine(line, food, error))
            m_foods.push_back(std::move(food));
        else
            m_errors.push_back("line " + std::to_string(lineNumber) + ": " + error);
    }
    return m_errors.empty();
}

namespace {

constexpr std::string_view NutrientNames[FoodFormat::NutrientCount] = {
    "calories", "carbohydrates", "fat",           "protein",     "fibre",
    "calcium",  "sodium",        "saturated fat", "cholesterol", "sugars"};

// A field as a message quotes it: a garbled line may hold anything, at any length.
std::string quoted(std::string_view field)
{
    constexpr std::size_t MaxShown = 24;
    std::string text = "\"";
    text += field.substr(0, MaxShown);
    if (field.size() > MaxShown)
        text += "...";
    return text + "\"";
}

} // namespace

bool FoodTable::parseLine(std::string_view line, FoodTableEntry &food, std::string &error,
                          int maxUnits)
{
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() < std::size_t(FirstUnitField)) {
        error = "it has " + std::to_string(fields.size()) +
            (fields.size() == 1 ? " field" : " fields") + ", not " +
            std::to_string(FirstUnitField) + " or more";
        return false;
    }
    if (fields[0].empty()) {
        error = "it has no name";
        return false;
    }
    if (fields[0].find('\0') != std::string_view::npos) {
        error = "its name holds a zero byte";
        return false;
    }
    food.name = fields[0];

    if (fields[1] == "g") {
        food.pairKind = FoodFormat::WeightPair;
    } else if (fields[1] == "ml") {
        food.pairKind = FoodFormat::VolumePair;
    } else if (fields[1] == "-") {
        food.pairKind = FoodFormat::NoPair;
    } else {
        error = "its second field is " + quoted(fields[1]) + ", not g or ml";
        return false;
    }

    for (int k = 0; k < FoodFormat::NutrientCount; ++k) {
        const std::string_view field = fields[std::size_t(FirstNutrientField + k)];
        if (field == "-")
            continue;
        double per100 = 0.0;
        if (!readNumber(field, per100)) {
            error = "its " + std::string(NutrientNames[k]) + " " + quoted(field) +
                " is not a number or -";
            return false;
        }
        food.nutrients[std::size_t(k)] = float(per100 / 100.0);
    }

    const std::size_t unitCount = fields.size() - std::size_t(FirstUnitField);
    if (unitCount > std::size_t(maxUnits)) {
        error = "it has " + std::to_string(unitCount) + " units, not " + std::to_string(maxUnits) +
            " at most";
        return false;
    }
    for (std::size_t i = std::size_t(FirstUnitField); i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        const std::size_t space = field.find(' ');
        double factor = 0.0;
        if (space == std::string_view::npos || space + 1 == field.size() ||
            !readNumber(field.substr(0, space), factor) || !(factor > 0.0) ||
            field.find('\0') != std::string_view::npos) {
            error = "its unit " + quoted(field) + " is not an amount, a space and a name";
            return false;
        }
        food.units.push_back({std::string(field.substr(space + 1)), float(factor)});
    }
    return true;
}

bool FoodTable::nameLess(std::string_view a, std::string_view b)
{
    const auto lowered = [](char c) {
        return FoodFormat::lowerAscii(std::uint8_t(c));
    };
    const auto [stopA, stopB] =
        std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lowered(x) == lowered(y); });
    if (stopA == a.end() || stopB == b.end())
        return stopA == a.end() && stopB != b.end();
    return lowered(*stopA) < lowered(*stopB);
}

void FoodTable::sortByName()
{
    std::stable_sort(
        m_foods.begin(), m_foods.end(),
        [](const FoodTableEntry &a, const FoodTableEntry &b) { return nameLess(a.name, b.name); });
}
