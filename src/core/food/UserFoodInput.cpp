// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/UserFoodInput.h"

#include "food/FoodDatabase.h"
#include "food/UserFoodTable.h"
#include "platform/TypedNumber.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool plain(std::string_view text)
{
    return text.find_first_of(std::string_view("\t\n\r\0", 4)) == std::string_view::npos;
}

// As the table writes numbers: six significant digits.
std::string fieldNumber(double value)
{
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

bool fitsFloat(double value)
{
    return std::isfinite(value) && value <= double(std::numeric_limits<float>::max());
}

} // namespace

UserFoodInput::Result UserFoodInput::makeFood(const UserFoodTable &table,
                                              const FoodDatabase *database,
                                              std::string_view editing) const
{
    Result result;
    const auto fail = [&result](Problem problem, int item = -1) {
        result.problem = problem;
        result.item = item;
        return result;
    };
    FoodTableEntry &food = result.food;
    food.name = trimmed(name);
    if (food.name.empty())
        return fail(Problem::NoName);
    if (food.name.front() == '#' || !plain(food.name))
        return fail(Problem::NameNotPlain);
    if (table.find(food.name) && !FoodFormat::equalIgnoringAsciiCase(food.name, editing))
        return fail(Problem::NameUsed);
    // Two rows of one name could not be told apart in the list or in a day.
    for (int i = 0; database && i < database->recordCount(); ++i)
        if (!database->isUserFood(i) &&
            FoodFormat::equalIgnoringAsciiCase(database->name(i), food.name))
            return fail(Problem::NameUsed);
    food.pairKind = millilitres ? FoodFormat::VolumePair : FoodFormat::WeightPair;

    double serving = 100.0;
    if (perServing) {
        const TypedNumber typed = TypedNumber::read(servingAmount);
        if (typed.kind != TypedNumber::Kind::Number)
            return fail(Problem::ServingNotANumber);
        if (!(typed.value > 0.0) || !fitsFloat(typed.value))
            return fail(Problem::ServingNotAboveZero);
        serving = typed.value;
    }
    UserFoodTable::TypedNutrients typedValues {};
    for (int k = 0; k < Nutrient::Count; ++k) {
        const TypedNumber typed = TypedNumber::read(nutrients[std::size_t(k)]);
        if (typed.kind == TypedNumber::Kind::NotANumber)
            return fail(Problem::NutrientNotANumber, k);
        if (typed.value < 0.0 || !fitsFloat(typed.value))
            return fail(Problem::NutrientNegative, k);
        typedValues[std::size_t(k)] = typed.value;
    }
    const auto per100 = UserFoodTable::per100FromServing(typedValues, serving);
    food.nutrients = UserFoodTable::perGramFromPer100(*per100);
    for (const NutrientInfo &info : NutrientCatalogue::all()) {
        if (info.stored >= 0)
            continue;
        const TypedNumber typed = TypedNumber::read(more[std::size_t(info.id)]);
        if (typed.kind == TypedNumber::Kind::Empty)
            continue;
        if (typed.kind == TypedNumber::Kind::NotANumber)
            return fail(Problem::MoreNotANumber, info.id);
        const double perGram = typed.value / serving;
        if (typed.value < 0.0 || !fitsFloat(perGram * 100.0))
            return fail(Problem::MoreNegative, info.id);
        food.more.set(info.id, float(perGram));
    }

    const std::string_view pair[2] = {
        millilitres ? FoodFormat::VolumePairNames[0] : FoodFormat::WeightPairNames[0],
        millilitres ? FoodFormat::VolumePairNames[1] : FoodFormat::WeightPairNames[1]};
    for (std::size_t row = 0; row < units.size(); ++row) {
        const std::string unitName = trimmed(units[row].name);
        const TypedNumber amount = TypedNumber::read(units[row].amount);
        if (unitName.empty() && amount.kind == TypedNumber::Kind::Empty)
            continue;
        const int item = int(row);
        if (unitName.empty())
            return fail(Problem::UnitNoName, item);
        if (!plain(unitName))
            return fail(Problem::UnitNotPlain, item);
        bool used = FoodFormat::equalIgnoringAsciiCase(unitName, pair[0]) ||
            FoodFormat::equalIgnoringAsciiCase(unitName, pair[1]);
        for (const FoodTableUnit &earlier : food.units)
            used = used || FoodFormat::equalIgnoringAsciiCase(unitName, earlier.name);
        if (used)
            return fail(Problem::UnitNameUsed, item);
        if (amount.kind == TypedNumber::Kind::Empty)
            return fail(Problem::UnitNoAmount, item);
        if (amount.kind == TypedNumber::Kind::NotANumber)
            return fail(Problem::UnitAmountNotANumber, item);
        if (!(amount.value > 0.0) || !fitsFloat(amount.value) || !(float(amount.value) > 0.0f))
            return fail(Problem::UnitAmountNotAboveZero, item);
        if (food.units.size() == std::size_t(FoodFormat::ReadUnitLimit))
            return fail(Problem::TooManyUnits, item);
        food.units.push_back({unitName, float(amount.value)});
    }
    return result;
}

UserFoodInput UserFoodInput::fromFood(const FoodTableEntry &food)
{
    UserFoodInput input;
    input.name = food.name;
    input.millilitres = food.pairKind == FoodFormat::VolumePair;
    for (int k = 0; k < Nutrient::Count; ++k) {
        const float perGram = food.nutrients[std::size_t(k)];
        if (perGram > 0.0f)
            input.nutrients[std::size_t(k)] = fieldNumber(double(perGram) * 100.0);
    }
    for (int id = 0; id < NutrientCatalogue::Count; ++id)
        if (food.more.known(id))
            input.more[std::size_t(id)] = fieldNumber(double(food.more.value(id)) * 100.0);
    for (const FoodTableUnit &unit : food.units)
        input.units.push_back({unit.name, fieldNumber(double(unit.factor))});
    return input;
}
