// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/NutrientTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::vector<std::string_view> nutrientFields(std::string_view line)
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

// As FoodTable reads its amounts, so the ten come out bit for bit the same.
bool readAmount(std::string_view text, float &perGram)
{
    const char *end = text.data() + text.size();
    double value = 0.0;
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value) || value < 0.0 ||
        value > std::numeric_limits<float>::max())
        return false;
    perGram = float(value / 100.0);
    return true;
}

std::string quotedField(std::string_view field)
{
    constexpr std::size_t MaxShown = 24;
    std::string text = "\"";
    text += field.substr(0, MaxShown);
    if (field.size() > MaxShown)
        text += "...";
    return text + "\"";
}

} // namespace

bool NutrientTable::parse(std::string_view text)
{
    m_columns.clear();
    m_foods.clear();
    m_errors.clear();
    bool header = false;
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
        if (!header) {
            header = true;
            std::string error;
            if (!parseHeader(line, error)) {
                m_errors.push_back("line " + std::to_string(lineNumber) + ": " + error);
                return false;
            }
            continue;
        }
        NutrientTableEntry food;
        food.line = lineNumber;
        std::string error;
        if (parseLine(line, food, error))
            m_foods.push_back(std::move(food));
        else
            m_errors.push_back("line " + std::to_string(lineNumber) + ": " + error);
    }
    if (!header)
        m_errors.push_back("it has no header line");
    return m_errors.empty();
}

bool NutrientTable::parseHeader(std::string_view line, std::string &error)
{
    const std::vector<std::string_view> fields = nutrientFields(line);
    if (fields[0] != "name") {
        error = "the header's first column is " + quotedField(fields[0]) + ", not name";
        return false;
    }
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const int id = NutrientCatalogue::find(fields[i]);
        if (id < 0) {
            error = "the header's column " + quotedField(fields[i]) + " is not a known nutrient";
            return false;
        }
        if (std::find(m_columns.begin(), m_columns.end(), id) != m_columns.end()) {
            error = "the header names " + quotedField(fields[i]) + " twice";
            return false;
        }
        m_columns.push_back(id);
    }
    return true;
}

bool NutrientTable::parseLine(std::string_view line, NutrientTableEntry &food,
                              std::string &error) const
{
    const std::vector<std::string_view> fields = nutrientFields(line);
    if (fields.size() != m_columns.size() + 1) {
        error = "it has " + std::to_string(fields.size()) + " fields, not " +
            std::to_string(m_columns.size() + 1);
        return false;
    }
    if (fields[0].empty() || fields[0].find('\0') != std::string_view::npos) {
        error = "its name is empty or holds a zero byte";
        return false;
    }
    food.name = fields[0];
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const std::string_view field = fields[i + 1];
        if (field == "-")
            continue;
        const int id = m_columns[i];
        float perGram = 0.0f;
        if (!readAmount(field, perGram)) {
            error = "its " + std::string(NutrientCatalogue::info(id).key) + " " +
                quotedField(field) + " is not a number or -";
            return false;
        }
        food.nutrients.set(id, perGram);
    }
    return true;
}
