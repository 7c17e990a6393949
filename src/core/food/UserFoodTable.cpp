#include "food/UserFoodTable.h"

#include "food/FoodDatabaseWriter.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

constexpr std::string_view Header =
    "# My foods for Corvalo, one a line, fields separated by tabs: name | g or ml | per 100 g\n"
    "# (100 mL): kcal | carbs g | fat g | protein g | fiber g | calcium mg | sodium mg\n"
    "#   | saturated g | cholesterol mg | sugars g (- for none) | units (\"factor name\")...\n";

bool sameName(std::string_view a, std::string_view b)
{
    return !FoodTable::nameLess(a, b) && !FoodTable::nameLess(b, a);
}

// Six significant digits: what a float holds, without the noise of its last bits.
std::string number(double value)
{
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return error == std::errc() ? std::string(buffer, end) : std::string("-");
}

bool storable(double value)
{
    return std::isfinite(value) && value <= std::numeric_limits<float>::max();
}

std::string lowered(std::string_view name)
{
    std::string text(name);
    for (char &c : text)
        c = char(FoodFormat::lowerAscii(std::uint8_t(c)));
    return text;
}

bool plainText(std::string_view text)
{
    return text.find_first_of(std::string_view("\t\n\r\0", 4)) == std::string_view::npos;
}

} // namespace

FileIo::Result UserFoodTable::load(const std::filesystem::path &file)
{
    parse({});
    std::string bytes;
    const FileIo::Result result = FileIo::read(file, bytes, MaxBytes);
    if (result.problem == FileIo::Problem::Missing)
        return FileIo::Result::success(file);
    if (result.ok())
        parse(bytes);
    else
        m_unreadable = result.problem;
    return result;
}

void UserFoodTable::parse(std::string_view text)
{
    m_lines.clear();
    m_skipped.clear();
    m_unreadable = FileIo::Problem::None;
    m_fromFile = !text.empty();
    std::unordered_map<std::string, int> firstLines; // by lowered name
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        // Every carriage return at the end goes: one kept would be eaten at the next reading.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        Line kept {std::string(line), std::nullopt};
        if (!line.empty() && line.front() != '#') {
            FoodTableEntry food;
            food.line = lineNumber;
            std::string error;
            if (!FoodTable::parseLine(line, food, error, FoodFormat::ReadUnitLimit)) {
                m_skipped.push_back({lineNumber, error});
            } else if (const auto [first, isNew] =
                           firstLines.emplace(lowered(food.name), lineNumber);
                       !isNew) {
                m_skipped.push_back(
                    {lineNumber,
                     "its name is already used on line " + std::to_string(first->second)});
            } else {
                kept.food = std::move(food);
            }
        }
        m_lines.push_back(std::move(kept));
    }
}

FileIo::Result UserFoodTable::save(const std::filesystem::path &file) const
{
    // Writing what little was read would throw the rest of the file away.
    if (m_unreadable != FileIo::Problem::None)
        return FileIo::Result::failure(file, m_unreadable);
    return FileIo::writeAtomically(file, text());
}

std::string UserFoodTable::text() const
{
    std::string text;
    if (!m_fromFile)
        text = Header;
    for (const Line &line : m_lines) {
        text += line.food && line.text.empty() ? formatLine(*line.food) : line.text;
        text += '\n';
    }
    return text;
}

std::vector<FoodTableEntry> UserFoodTable::foods() const
{
    std::vector<FoodTableEntry> foods;
    for (const Line &line : m_lines)
        if (line.food)
            foods.push_back(*line.food);
    return foods;
}

int UserFoodTable::foodCount() const
{
    int count = 0;
    for (const Line &line : m_lines)
        count += line.food ? 1 : 0;
    return count;
}

int UserFoodTable::indexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].food && sameName(m_lines[i].food->name, name))
            return int(i);
    return -1;
}

const FoodTableEntry *UserFoodTable::find(std::string_view name) const
{
    const int index = indexOf(name);
    return index < 0 ? nullptr : &*m_lines[std::size_t(index)].food;
}

bool UserFoodTable::check(const FoodTableEntry &food, int replacing, std::string *why) const
{
    std::string reason;
    const int existing = indexOf(food.name);
    if (food.name.find_first_not_of(' ') == std::string::npos)
        reason = "the food has no name";
    else if (!plainText(food.name) || food.name.front() == '#')
        reason = "a name cannot start with # or hold a tab or a line break";
    else if (existing >= 0 && existing != replacing)
        reason = "there is already a food called \"" + food.name + "\"";
    else if (food.pairKind != FoodFormat::WeightPair && food.pairKind != FoodFormat::VolumePair)
        reason = "the food is measured neither in grams nor in millilitres";
    else if (food.units.size() > std::size_t(FoodFormat::ReadUnitLimit))
        reason = "a food has ten units at most";
    for (std::size_t k = 0; reason.empty() && k < food.nutrients.size(); ++k)
        if (!(food.nutrients[k] >= 0.0f) || !storable(double(food.nutrients[k]) * 100.0))
            reason = "a nutrient is not a number of 0 or more";
    for (const FoodTableUnit &unit : food.units) {
        if (!reason.empty())
            break;
        if (unit.name.empty() || !plainText(unit.name))
            reason = "a unit has no name, or a tab or a line break in it";
        else if (!(unit.factor > 0.0f) || !storable(unit.factor))
            reason = "the unit \"" + unit.name + "\" weighs nothing";
    }
    if (why)
        *why = reason;
    return reason.empty();
}

void UserFoodTable::insertSorted(const FoodTableEntry &food)
{
    auto at = m_lines.begin();
    while (at != m_lines.end() && !(at->food && FoodTable::nameLess(food.name, at->food->name)))
        ++at;
    m_lines.insert(at, Line {{}, food});
}

bool UserFoodTable::add(const FoodTableEntry &food, std::string *why)
{
    if (!check(food, -1, why))
        return false;
    insertSorted(food);
    return true;
}

bool UserFoodTable::edit(std::string_view name, const FoodTableEntry &food, std::string *why)
{
    const int index = indexOf(name);
    if (index < 0) {
        if (why)
            *why = "there is no food called \"" + std::string(name) + "\"";
        return false;
    }
    if (!check(food, index, why))
        return false;
    Line &line = m_lines[std::size_t(index)];
    if (sameName(line.food->name, food.name)) {
        line = Line {{}, food};
    } else {
        m_lines.erase(m_lines.begin() + index);
        insertSorted(food);
    }
    return true;
}

bool UserFoodTable::remove(std::string_view name)
{
    const int index = indexOf(name);
    if (index < 0)
        return false;
    m_lines.erase(m_lines.begin() + index);
    return true;
}

std::string UserFoodTable::skippedNotice() const
{
    if (m_skipped.empty())
        return {};
    std::string text = "Skipped line " + std::to_string(m_skipped.front().line) + " of " +
        std::string(FileName) + ": " + m_skipped.front().reason;
    if (m_skipped.size() == 2)
        text += " (and 1 more line)";
    else if (m_skipped.size() > 2)
        text += " (and " + std::to_string(m_skipped.size() - 1) + " more lines)";
    return text;
}

std::vector<std::vector<std::uint8_t>> UserFoodTable::records() const
{
    std::vector<std::vector<std::uint8_t>> records;
    for (const Line &line : m_lines)
        if (line.food)
            records.push_back(FoodDatabaseWriter::recordBytes(*line.food));
    return records;
}

std::optional<UserFoodTable::TypedNutrients>
UserFoodTable::per100FromServing(const TypedNutrients &perServing, double servingAmount)
{
    if (!(servingAmount > 0.0) || !std::isfinite(servingAmount))
        return std::nullopt;
    TypedNutrients per100 {};
    for (std::size_t k = 0; k < per100.size(); ++k)
        per100[k] = perServing[k] * 100.0 / servingAmount;
    return per100;
}

FoodFormat::Nutrients UserFoodTable::perGramFromPer100(const TypedNutrients &per100)
{
    FoodFormat::Nutrients perGram {};
    for (std::size_t k = 0; k < perGram.size(); ++k)
        perGram[k] = per100[k] > 0.0 ? float(per100[k] / 100.0) : 0.0f;
    return perGram;
}

std::string UserFoodTable::formatLine(const FoodTableEntry &food)
{
    std::string line = food.name;
    line += food.pairKind == FoodFormat::VolumePair ? "\tml"
        : food.pairKind == FoodFormat::WeightPair   ? "\tg"
                                                    : "\t-";
    for (const float perGram : food.nutrients) {
        line += '\t';
        line += perGram > 0.0f ? number(double(perGram) * 100.0) : std::string("-");
    }
    for (const FoodTableUnit &unit : food.units) {
        line += '\t';
        line += number(unit.factor);
        line += ' ';
        line += unit.name;
    }
    return line;
}
