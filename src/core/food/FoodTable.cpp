#include "food/FoodTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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
    return error == std::errc() && stop == end && std::isfinite(value) && value >= 0.0;
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

bool FoodTable::parseLine(std::string_view line, FoodTableEntry &food, std::string &error) const
{
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() < std::size_t(FirstUnitField)) {
        error = "expected a name, a pair and ten nutrient fields";
        return false;
    }
    if (fields[0].empty() || fields[0].find('\0') != std::string_view::npos) {
        error = "empty name";
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
        error = "pair must be g, ml or -";
        return false;
    }

    for (int k = 0; k < FoodFormat::NutrientCount; ++k) {
        const std::string_view field = fields[std::size_t(FirstNutrientField + k)];
        if (field == "-")
            continue;
        double per100 = 0.0;
        if (!readNumber(field, per100)) {
            error = "nutrient " + std::to_string(k + 1) + " is not a number or -";
            return false;
        }
        food.nutrients[std::size_t(k)] = float(per100 / 100.0);
    }

    const std::size_t unitCount = fields.size() - std::size_t(FirstUnitField);
    if (unitCount > std::size_t(FoodFormat::MaxStoredUnits)) {
        error = "more than 15 units";
        return false;
    }
    for (std::size_t i = std::size_t(FirstUnitField); i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        const std::size_t space = field.find(' ');
        double factor = 0.0;
        if (space == std::string_view::npos || space + 1 == field.size() ||
            !readNumber(field.substr(0, space), factor) || !(factor > 0.0) ||
            field.find('\0') != std::string_view::npos) {
            error = "unit \"" + std::string(field) + "\" is not \"factor name\"";
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
