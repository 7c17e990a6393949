// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/Nutrients.h"

#include <span>
#include <string_view>

// Every nutrient the food data carries, in the order a full nutrient view lists them: by group,
// then as people read each group. The ids are indices into that order; keys are the stable
// names (the columns of res/foods/nutrients.tsv), ids may change when nutrients are added.
namespace NutrientId {
enum Index : int {
    // Energy and macronutrients
    Energy = 0,
    Protein,
    Carbohydrates,
    Fat,
    // Carbohydrates
    Fiber,
    Sugars,
    Starch,
    // Lipids and fatty acids
    SaturatedFat,
    MonounsaturatedFat,
    PolyunsaturatedFat,
    TransFat,
    Omega3,
    Omega6,
    Cholesterol,
    Phytosterols,
    // Protein and amino acids
    Alanine,
    Arginine,
    AsparticAcid,
    Cystine,
    GlutamicAcid,
    Glycine,
    Histidine,
    Hydroxyproline,
    Isoleucine,
    Leucine,
    Lysine,
    Methionine,
    Phenylalanine,
    Proline,
    Serine,
    Threonine,
    Tryptophan,
    Tyrosine,
    Valine,
    // Vitamins
    VitaminA,
    VitaminAIu,
    Retinol,
    BetaCarotene,
    AlphaCarotene,
    BetaCryptoxanthin,
    Thiamin,
    Riboflavin,
    Niacin,
    PantothenicAcid,
    VitaminB6,
    Folate,
    VitaminB12,
    Choline,
    VitaminC,
    VitaminD,
    VitaminE,
    BetaTocopherol,
    GammaTocopherol,
    DeltaTocopherol,
    VitaminK,
    // Minerals
    Calcium,
    Copper,
    Fluoride,
    Iron,
    Magnesium,
    Manganese,
    Phosphorus,
    Potassium,
    Selenium,
    Sodium,
    Zinc,
    // Other
    Water,
    Alcohol,
    Caffeine,
    Ash,
    Lycopene,
    LuteinZeaxanthin,
    Count
};
} // namespace NutrientId

enum class NutrientGroup : int {
    Energy, // energy and macronutrients
    Carbohydrates,
    Lipids,
    Protein, // protein and amino acids
    Vitamins,
    Minerals,
    Other,
    Count
};

struct NutrientInfo
{
    int id = 0;
    std::string_view key; // stable: "vitamin_c"
    std::string_view name; // English, as a list shows it: "Vitamin C" (the window translates it
                           // under the context "NutrientCatalogue")
    std::string_view unit; // "g", "mg", "\xC2\xB5g" (UTF-8 micro sign), "kcal" or "IU"
    NutrientGroup group = NutrientGroup::Other;
    int stored = -1; // the Nutrient::Index of the ten every food record and day entry keeps
};

namespace NutrientCatalogue {

inline constexpr int Count = NutrientId::Count;

// All of them, in id order.
std::span<const NutrientInfo> all();
// The entry of a valid id (0 <= id < Count).
const NutrientInfo &info(int id);
// The id of a key, or -1.
int find(std::string_view key);
// The id of one of the ten stored nutrients.
int fromStored(int storedIndex);
// English, as a heading: "Lipids and fatty acids" (translated as the names are).
std::string_view groupName(NutrientGroup group);

} // namespace NutrientCatalogue
