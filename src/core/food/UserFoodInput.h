// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/FoodTable.h"
#include "food/NutrientCatalogue.h"
#include "meals/Nutrients.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class FoodDatabase;
class UserFoodTable;

// What the user typed into the form for one of their own foods, and the food it makes for
// UserFoodTable. Texts are as typed; numbers follow TypedNumber (an empty box is no value).
struct UserFoodInput
{
    struct Unit
    {
        std::string name;
        std::string amount; // grams (millilitres) in one of it
    };

    std::string name;
    bool millilitres = false;
    // The values are for a serving of servingAmount grams (millilitres) instead of per 100.
    bool perServing = false;
    std::string servingAmount;
    std::array<std::string, Nutrient::Count> nutrients; // index order
    // The catalogue's other nutrients by id (the ten's places stay empty); an empty box is
    // unknown, a 0 a known zero.
    std::array<std::string, NutrientCatalogue::Count> more;
    std::vector<Unit> units; // rows with neither name nor amount are left out

    // Why the typed food cannot be stored; `item` says which nutrient or unit row.
    enum class Problem {
        None,
        NoName,
        NameNotPlain, // starts with # or holds a tab or line break
        NameUsed,
        ServingNotANumber,
        ServingNotAboveZero,
        NutrientNotANumber,
        NutrientNegative,
        MoreNotANumber, // item is the catalogue id
        MoreNegative,
        UnitNoName,
        UnitNotPlain,
        UnitNoAmount,
        UnitAmountNotANumber,
        UnitAmountNotAboveZero,
        UnitNameUsed, // twice, or the name of g, oz, mL or fl.oz which every food has
        TooManyUnits,
    };

    struct Result
    {
        Problem problem = Problem::None;
        int item = -1;
        FoodTableEntry food;
    };

    // The food, or the first problem found. A name is in use when the table or the database's
    // own foods have it; `editing` is the name of the food being edited (empty for a new one),
    // whose own name is not "in use".
    Result makeFood(const UserFoodTable &table, const FoodDatabase *database = nullptr,
                    std::string_view editing = {}) const;

    // The form filled from a stored food: values per 100, as the table keeps them.
    static UserFoodInput fromFood(const FoodTableEntry &food);
};
