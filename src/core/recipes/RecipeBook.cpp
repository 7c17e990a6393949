// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipes/RecipeBook.h"

#include "food/FoodDatabase.h"
#include "food/FoodDatabaseWriter.h"
#include "food/FoodFilter.h"
#include "food/FoodTable.h"
#include "food/TableFile.h"
#include "food/TableText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_set>

namespace {

constexpr std::string_view RecipesHeader =
    "# Recipes for Corvalo, one a line, fields separated by tabs: name | in force from\n"
    "# (YYYY-MM-DD) | servings | cooked weight in g (- for the ingredients' sum), then for each\n"
    "# ingredient: food | amount | unit | g per unit | per 100 g: kcal | carbs g | fat g |\n"
    "# protein g | fiber g | calcium mg | sodium mg | saturated g | cholesterol mg | sugars g\n"
    "# (- for none). A later line of a name changes the recipe from its date on, and\n"
    "# \"name | date | deleted\" deletes it: days logged before keep the line they used.\n";

constexpr std::string_view Deleted = "deleted";
constexpr std::size_t RecipeFields = 4;
constexpr std::size_t IngredientFields = 4 + Nutrient::Count;

// A finite number of 0 or more (above 0 when `positive`) that a float holds.
std::optional<double> recipeNumber(std::string_view text, bool positive)
{
    double value = 0.0;
    const char *end = text.data() + text.size();
    const auto [stop, problem] = std::from_chars(text.data(), end, value);
    if (text.empty() || problem != std::errc() || stop != end || !(value >= 0.0) ||
        value > double(std::numeric_limits<float>::max()) || (positive && !(value > 0.0)))
        return std::nullopt;
    return value;
}

// A definition's line; false with the reason when some field is wrong.
bool parseLine(std::string_view text, Recipe &recipe, bool &deleted, std::string &error)
{
    const std::vector<std::string_view> fields = TableText::Fields(text);
    deleted = fields.size() == 3 && fields[2] == Deleted;
    if (!deleted &&
        (fields.size() < RecipeFields + IngredientFields ||
         (fields.size() - RecipeFields) % IngredientFields != 0)) {
        error = "it has " + std::to_string(fields.size()) + " fields, not 4 and then " +
            std::to_string(IngredientFields) + " for each ingredient";
        return false;
    }
    recipe.name = std::string(fields[0]);
    const std::optional<DayFiles::LocalDate> since = RecipeBook::parseIsoDate(fields[1]);
    if (!since) {
        error = "its date " + TableText::Shown(fields[1]) + " is not a date written YYYY-MM-DD";
        return false;
    }
    recipe.since = *since;
    if (deleted) {
        if (recipe.name.empty() || recipe.name.front() == '#')
            error = "it deletes a recipe without a name";
        return error.empty();
    }
    const std::optional<double> servings = recipeNumber(fields[2], true);
    if (!servings) {
        error = "its servings " + TableText::Shown(fields[2]) + " are not a number above 0";
        return false;
    }
    recipe.servings = *servings;
    if (fields[3] != "-") {
        recipe.cookedGrams = recipeNumber(fields[3], true);
        if (!recipe.cookedGrams) {
            error = "its weight " + TableText::Shown(fields[3]) + " is not a number above 0, nor -";
            return false;
        }
    }
    for (std::size_t at = RecipeFields; at < fields.size(); at += IngredientFields) {
        MealEntry ingredient;
        ingredient.name = std::string(fields[at]);
        const std::optional<double> amount = recipeNumber(fields[at + 1], true);
        ingredient.unit = std::string(fields[at + 2]);
        const std::optional<double> grams = recipeNumber(fields[at + 3], true);
        if (!amount || !grams) {
            error =
                "the amount or the grams of " + TableText::Shown(fields[at]) + " are not above 0";
            return false;
        }
        ingredient.amount = float(*amount);
        ingredient.gramsPerUnit = float(*grams);
        for (int k = 0; k < Nutrient::Count; ++k) {
            const std::string_view field = fields[at + 4 + std::size_t(k)];
            if (field == "-")
                continue;
            const std::optional<double> per100 = recipeNumber(field, false);
            if (!per100) {
                error = "a nutrient of " + TableText::Shown(fields[at]) + ", " +
                    TableText::Shown(field) + ", is not a number of 0 or more";
                return false;
            }
            ingredient.nutrients[k] = float(*per100 / 100.0);
        }
        recipe.ingredients.push_back(std::move(ingredient));
    }
    error = recipe.problem();
    return error.empty();
}

} // namespace

std::string RecipeBook::isoDate(const Day &day)
{
    return DayFiles::IsoDate(day);
}

std::optional<RecipeBook::Day> RecipeBook::parseIsoDate(std::string_view text)
{
    return DayFiles::ParseIsoDate(text);
}

FileIo::Result RecipeBook::load(const std::filesystem::path &file)
{
    std::string bytes;
    const FileIo::Result result = TableFile::Read(file, bytes, MaxBytes);
    parse(bytes);
    m_unreadable = result.problem;
    return result;
}

void RecipeBook::parse(std::string_view text)
{
    m_lines.clear();
    m_skipped.clear();
    m_unreadable = FileIo::Problem::None;
    m_fromFile = !text.empty();
    int lineNumber = 0;
    for (const std::string_view line : TableFile::Lines(text)) {
        ++lineNumber;
        Line kept {std::string(line), std::nullopt, false};
        if (!line.empty() && line.front() != '#') {
            Recipe recipe;
            std::string error;
            if (parseLine(line, recipe, kept.deleted, error))
                kept.recipe = std::move(recipe);
            else
                m_skipped.push_back({lineNumber, error});
        }
        m_lines.push_back(std::move(kept));
    }
}

FileIo::Result RecipeBook::save(const std::filesystem::path &file) const
{
    return TableFile::Save(file, text(), m_unreadable);
}

std::string RecipeBook::text() const
{
    std::string text;
    if (!m_fromFile)
        text = RecipesHeader;
    for (const Line &line : m_lines) {
        text += line.text;
        text += '\n';
    }
    return text;
}

int RecipeBook::lastIndexOf(std::string_view name) const
{
    for (std::size_t i = m_lines.size(); i-- > 0;)
        if (m_lines[i].recipe && TableText::SameName(m_lines[i].recipe->name, name))
            return int(i);
    return -1;
}

const Recipe *RecipeBook::find(std::string_view name) const
{
    const int index = lastIndexOf(name);
    if (index < 0 || m_lines[std::size_t(index)].deleted)
        return nullptr;
    return &*m_lines[std::size_t(index)].recipe;
}

std::vector<Recipe> RecipeBook::recipes() const
{
    std::vector<Recipe> out;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.recipe && !line.deleted && lastIndexOf(line.recipe->name) == int(i))
            out.push_back(*line.recipe);
    }
    std::stable_sort(out.begin(), out.end(), [](const Recipe &a, const Recipe &b) {
        return FoodTable::nameLess(a.name, b.name);
    });
    return out;
}

bool RecipeBook::hasDefinitions() const
{
    for (const Line &line : m_lines)
        if (line.recipe)
            return true;
    return false;
}

std::vector<std::vector<std::uint8_t>> RecipeBook::records() const
{
    std::vector<std::vector<std::uint8_t>> records;
    for (const Recipe &recipe : recipes())
        records.push_back(FoodDatabaseWriter::recordBytes(recipe.asFood()));
    return records;
}

bool RecipeBook::nameTakenByFood(std::string_view name, const FoodDatabase &foods) const
{
    const std::string lowered = FoodFilter::Lowered(name);
    for (int i = 0; i < foods.recordCount(); ++i)
        if (FoodFilter::Lowered(foods.name(i)) == lowered && !find(foods.name(i)))
            return true;
    return false;
}

const Recipe *RecipeBook::inForce(std::string_view name, const std::optional<Day> &day,
                                  const Nutrients *stored) const
{
    std::vector<const Recipe *> all, matching;
    for (const Line &line : m_lines) {
        if (!line.recipe || line.deleted || !TableText::SameName(line.recipe->name, name))
            continue;
        all.push_back(&*line.recipe);
        if (stored && line.recipe->gaveValues(*stored))
            matching.push_back(&*line.recipe);
    }
    const std::vector<const Recipe *> &candidates = matching.empty() ? all : matching;
    const Recipe *latest = nullptr, *earliest = nullptr;
    for (const Recipe *recipe : candidates) {
        // In file order, so that of two changes on one day the later counts.
        if ((!day || !DayFiles::Before(*day, recipe->since)) &&
            (!latest || !DayFiles::Before(recipe->since, latest->since)))
            latest = recipe;
        if (!earliest || DayFiles::Before(recipe->since, earliest->since))
            earliest = recipe;
    }
    return latest ? latest : earliest;
}

std::vector<std::string> RecipeBook::loop(const Recipe &recipe) const
{
    // Depth first through the recipes as they would be, the new one in place of its name.
    std::vector<std::string> path {recipe.name};
    std::vector<const Recipe *> stack {&recipe};
    std::vector<std::size_t> next {0};
    while (!stack.empty()) {
        const Recipe &current = *stack.back();
        if (next.back() >= current.ingredients.size() || int(stack.size()) > MaxDepth) {
            stack.pop_back();
            next.pop_back();
            path.pop_back();
            continue;
        }
        const std::string &ingredient = current.ingredients[next.back()++].name;
        if (TableText::SameName(ingredient, recipe.name)) {
            path.push_back(ingredient);
            return path;
        }
        if (const Recipe *inner = find(ingredient)) {
            stack.push_back(inner);
            next.push_back(0);
            path.push_back(inner->name);
        }
    }
    return {};
}

bool RecipeBook::define(const Recipe &recipe, std::string *why)
{
    std::string reason = recipe.problem();
    if (reason.empty()) {
        if (const std::vector<std::string> names = loop(recipe); !names.empty()) {
            reason = "the recipe would contain itself:";
            for (std::size_t i = 0; i < names.size(); ++i)
                reason += (i == 0 ? " " : " > ") + names[i];
        }
    }
    if (why)
        *why = reason;
    if (!reason.empty())
        return false;
    // Kept as the file will give it back, six digits and all.
    Line line {formatLine(recipe), Recipe {}, false};
    std::string ignored;
    parseLine(line.text, *line.recipe, line.deleted, ignored);
    m_lines.push_back(std::move(line));
    return true;
}

bool RecipeBook::remove(std::string_view name, const Day &since)
{
    const Recipe *recipe = find(name);
    if (!recipe)
        return false;
    Recipe gone;
    gone.name = recipe->name;
    gone.since = since;
    m_lines.push_back(
        {gone.name + '\t' + isoDate(since) + '\t' + std::string(Deleted), gone, true});
    return true;
}

std::string RecipeBook::join(std::string_view ours, std::string_view theirs)
{
    // Two empty files join to an empty one, not to a header.
    if (ours.empty() && theirs.empty())
        return {};
    RecipeBook joined, other;
    joined.parse(ours);
    other.parse(theirs);
    joined.m_fromFile = joined.m_fromFile || other.m_fromFile; // its header is among its lines
    std::unordered_set<std::string> held;
    for (const Line &line : joined.m_lines)
        held.insert(line.text);
    for (Line &line : other.m_lines) {
        if (line.text.empty() || !held.insert(line.text).second)
            continue;
        auto at = joined.m_lines.end();
        if (line.recipe) {
            at = std::find_if(joined.m_lines.begin(), joined.m_lines.end(), [&](const Line &mine) {
                return mine.recipe && TableText::SameName(mine.recipe->name, line.recipe->name) &&
                    DayFiles::Before(line.recipe->since, mine.recipe->since);
            });
        }
        joined.m_lines.insert(at, std::move(line));
    }
    return joined.text();
}

std::string RecipeBook::skippedNotice() const
{
    return TableFile::SkippedNotice(FileName, m_skipped);
}

std::string RecipeBook::formatLine(const Recipe &recipe)
{
    std::string line = recipe.name + '\t' + isoDate(recipe.since) + '\t' +
        TableText::Number(recipe.servings) + '\t' +
        (recipe.cookedGrams ? TableText::Number(*recipe.cookedGrams) : "-");
    for (const MealEntry &ingredient : recipe.ingredients) {
        line += '\t' + ingredient.name + '\t' + TableText::Number(ingredient.amount) + '\t' +
            ingredient.unit + '\t' + TableText::Number(ingredient.gramsPerUnit);
        for (const float perGram : ingredient.nutrients)
            line += '\t' +
                (perGram > 0.0f ? TableText::Number(double(perGram) * 100.0) : std::string("-"));
    }
    return line;
}
