// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/UserFoodTable.h"

#include "food/FoodDatabaseWriter.h"
#include "food/TableFile.h"
#include "food/TableText.h"
#include "platform/Clock.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr std::string_view Header =
    "# My foods for Corvalo, one a line, fields separated by tabs: name | g or ml | per 100 g\n"
    "# (100 mL): kcal | carbs g | fat g | protein g | fiber g | calcium mg | sodium mg\n"
    "#   | saturated g | cholesterol mg | sugars g (- for none) | units (\"factor name\")...\n"
    "# Other nutrients may follow a food on a line: #+ | name | key=amount per 100 g...\n";

// A food's "#+" line: the prefix, then its name and "key=amount" fields.
constexpr std::string_view MorePrefix = "#+\t";

bool storable(double value)
{
    return std::isfinite(value) && value <= std::numeric_limits<float>::max();
}

std::string loweredName(std::string_view name)
{
    std::string text(name);
    for (char &c : text)
        c = char(FoodFormat::lowerAscii(std::uint8_t(c)));
    return text;
}

} // namespace

bool UserFoodTable::parseMoreLine(std::string_view text, std::string &name, FoodNutrients &more,
                                  std::string &error)
{
    const std::vector<std::string_view> fields = TableText::Fields(text);
    name = fields[0];
    if (name.empty()) {
        error = "its nutrients name no food";
        return false;
    }
    for (std::size_t i = 1; i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        const std::size_t equals = field.find('=');
        if (equals == std::string_view::npos) {
            error = "its " + TableText::Shown(field) + " is not a nutrient=amount";
            return false;
        }
        const std::string_view key = field.substr(0, equals);
        const std::string_view amount = field.substr(equals + 1);
        const int id = NutrientCatalogue::find(key);
        if (id < 0) {
            error = "it names no known nutrient " + TableText::Shown(key);
            return false;
        }
        if (NutrientCatalogue::info(id).stored >= 0) {
            error = "its " + std::string(key) + " belongs on the food's own line";
            return false;
        }
        if (more.known(id)) {
            error = "it gives " + std::string(key) + " twice";
            return false;
        }
        double per100 = 0.0;
        const char *end = amount.data() + amount.size();
        const auto [stop, problem] = std::from_chars(amount.data(), end, per100);
        if (amount.empty() || problem != std::errc() || stop != end || !(per100 >= 0.0) ||
            !storable(per100)) {
            error = "its " + std::string(key) + " " + TableText::Shown(amount) +
                " is not a number of 0 or more";
            return false;
        }
        more.set(id, float(per100 / 100.0));
    }
    return true;
}

FileIo::Result UserFoodTable::load(const std::filesystem::path &file)
{
    std::string bytes;
    const FileIo::Result result = TableFile::Read(file, bytes, MaxBytes);
    parse(bytes);
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
    std::vector<std::pair<std::size_t, int>> moreLines; // index in m_lines, line number
    int lineNumber = 0;
    for (const std::string_view line : TableFile::Lines(text)) {
        ++lineNumber;
        Line kept {std::string(line), std::nullopt, {}, std::nullopt};
        if (line.starts_with(MorePrefix)) {
            moreLines.emplace_back(m_lines.size(), lineNumber);
        } else if (line.starts_with(UserFoodHistory::Prefix)) {
            UserFoodHistory::Definition past;
            std::string error;
            if (UserFoodHistory::ParseLine(line, past, error))
                kept.past = std::move(past);
            else
                m_skipped.push_back({lineNumber, error});
        } else if (!line.empty() && line.front() != '#') {
            FoodTableEntry food;
            food.line = lineNumber;
            std::string error;
            if (!FoodTable::parseLine(line, food, error, FoodFormat::ReadUnitLimit)) {
                m_skipped.push_back({lineNumber, error});
            } else if (const auto [first, isNew] =
                           firstLines.emplace(loweredName(food.name), lineNumber);
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
    readMoreLines(moreLines);
}

void UserFoodTable::readMoreLines(const std::vector<std::pair<std::size_t, int>> &lines)
{
    if (lines.empty())
        return;
    std::unordered_map<std::string, std::size_t> foods; // by lowered name
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].food)
            foods.emplace(loweredName(m_lines[i].food->name), i);
    std::unordered_map<std::string, int> taken; // food by lowered name: the line that gave it
    for (const auto &[index, lineNumber] : lines) {
        Line &line = m_lines[index];
        std::string name, error;
        FoodNutrients more;
        if (parseMoreLine(std::string_view(line.text).substr(MorePrefix.size()), name, more,
                          error)) {
            const auto food = foods.find(loweredName(name));
            if (food == foods.end()) {
                error = "there is no food called " + TableText::Shown(name) + " for its nutrients";
            } else if (const auto [first, isNew] = taken.emplace(food->first, lineNumber); !isNew) {
                error = "the food's other nutrients are on line " + std::to_string(first->second) +
                    " already";
            } else {
                m_lines[food->second].food->more = more;
                line.moreOf = m_lines[food->second].food->name;
            }
        }
        if (!error.empty())
            m_skipped.push_back({lineNumber, error});
    }
    std::stable_sort(m_skipped.begin(), m_skipped.end(),
                     [](const SkippedLine &a, const SkippedLine &b) { return a.line < b.line; });
}

void UserFoodTable::eraseMoreOf(std::string_view name)
{
    std::erase_if(m_lines, [name](const Line &line) {
        return !line.moreOf.empty() && TableText::SameName(line.moreOf, name);
    });
}

FileIo::Result UserFoodTable::save(const std::filesystem::path &file) const
{
    return TableFile::Save(file, text(), m_unreadable);
}

std::string UserFoodTable::text() const
{
    std::string text;
    if (!m_fromFile)
        text = Header;
    for (const Line &line : m_lines) {
        if (line.food && line.text.empty()) {
            text += formatLine(*line.food);
            if (const std::string more = formatMoreLine(*line.food); !more.empty())
                text += '\n' + more;
        } else {
            text += line.text;
        }
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
        if (m_lines[i].food && TableText::SameName(m_lines[i].food->name, name))
            return int(i);
    return -1;
}

std::vector<UserFoodHistory::Definition> UserFoodTable::definitions() const
{
    std::vector<UserFoodHistory::Definition> all;
    for (const Line &line : m_lines) {
        if (line.past)
            all.push_back(*line.past);
        else if (line.food)
            all.push_back({*line.food, std::nullopt});
    }
    return all;
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
    else if (!TableText::IsPlain(food.name) || food.name.front() == '#')
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
    for (int id = 0; reason.empty() && id < NutrientCatalogue::Count; ++id)
        if (food.more.known(id) &&
            (!(food.more.value(id) >= 0.0f) || !storable(double(food.more.value(id)) * 100.0)))
            reason = "a nutrient is not a number of 0 or more";
    for (const FoodTableUnit &unit : food.units) {
        if (!reason.empty())
            break;
        if (unit.name.empty() || !TableText::IsPlain(unit.name))
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
    m_lines.insert(at, Line {{}, food, {}, std::nullopt});
}

UserFoodTable::Line UserFoodTable::pastLine(const FoodTableEntry &food)
{
    // Kept as the file will give it back.
    Line line {UserFoodHistory::FormatLine(food, DayFiles::LocalDateOf(Clock::now())),
               std::nullopt,
               {},
               std::nullopt};
    UserFoodHistory::Definition past;
    std::string ignored;
    if (UserFoodHistory::ParseLine(line.text, past, ignored))
        line.past = std::move(past);
    return line;
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
    // Its "#+" lines go: the food's own line is written with its nutrients from now on.
    const FoodTableEntry before = *m_lines[std::size_t(index)].food;
    eraseMoreOf(before.name);
    auto at = m_lines.begin() + indexOf(before.name);
    if (UserFoodHistory::Changes(before, food))
        at = m_lines.insert(at, pastLine(before)) + 1;
    if (TableText::SameName(before.name, food.name)) {
        *at = Line {{}, food, {}, std::nullopt};
    } else {
        m_lines.erase(at);
        insertSorted(food);
    }
    return true;
}

bool UserFoodTable::remove(std::string_view name)
{
    const int index = indexOf(name);
    if (index < 0)
        return false;
    const FoodTableEntry before = *m_lines[std::size_t(index)].food;
    eraseMoreOf(before.name);
    m_lines[std::size_t(indexOf(before.name))] = pastLine(before);
    return true;
}

void UserFoodTable::addPastOf(const UserFoodTable &other)
{
    std::unordered_set<std::string> held;
    for (const Line &line : m_lines)
        if (line.past)
            held.insert(line.text);
    for (const Line &line : other.m_lines)
        if (line.past && held.insert(line.text).second)
            m_lines.push_back(line);
}

std::string UserFoodTable::skippedNotice() const
{
    return TableFile::SkippedNotice(FileName, m_skipped);
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
        line += perGram > 0.0f ? TableText::Number(double(perGram) * 100.0) : std::string("-");
    }
    for (const FoodTableUnit &unit : food.units) {
        line += '\t';
        line += TableText::Number(unit.factor);
        line += ' ';
        line += unit.name;
    }
    return line;
}

std::string UserFoodTable::formatMoreLine(const FoodTableEntry &food)
{
    const std::string fields = moreFields(food);
    return fields.empty() ? fields : std::string(MorePrefix) + food.name + fields;
}

std::string UserFoodTable::moreFields(const FoodTableEntry &food)
{
    std::string line;
    for (const NutrientInfo &info : NutrientCatalogue::all()) {
        if (info.stored >= 0 || !food.more.known(info.id))
            continue;
        line += '\t';
        line += info.key;
        line += '=';
        line += TableText::Number(double(food.more.value(info.id)) * 100.0);
    }
    return line;
}

FoodNutrients UserFoodTable::nutrientsOf(const FoodTableEntry &food)
{
    FoodNutrients nutrients;
    for (const NutrientInfo &info : NutrientCatalogue::all()) {
        if (info.stored < 0 && food.more.known(info.id))
            nutrients.set(info.id, food.more.value(info.id));
        else if (info.stored >= 0 && food.nutrients[std::size_t(info.stored)] != 0.0f)
            nutrients.set(info.id, food.nutrients[std::size_t(info.stored)]);
    }
    return nutrients;
}
