// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/NutrientCatalogue.h"

#include "platform/UiText.h"

#include <array>

namespace {

constexpr std::string_view Grams = "g";
constexpr std::string_view Milligrams = "mg";
constexpr std::string_view Micrograms = "\xC2\xB5g";
constexpr std::string_view Kilocalories = "kcal";
constexpr std::string_view Units = "IU";

// Vitamin A (RAE) is derived from retinol and the carotenoids; vitamin D is in micrograms
// whatever the source gave (res/foods/README.md).
constexpr std::array<NutrientInfo, NutrientCatalogue::Count> Catalogue = {{
    {NutrientId::Energy, "energy", CORVALO_UI_TEXT("NutrientCatalogue", "Energy"), Kilocalories,
     NutrientGroup::Energy, Nutrient::Calories},
    {NutrientId::Protein, "protein", CORVALO_UI_TEXT("NutrientCatalogue", "Protein"), Grams,
     NutrientGroup::Energy, Nutrient::Protein},
    {NutrientId::Carbohydrates, "carbohydrates",
     CORVALO_UI_TEXT("NutrientCatalogue", "Carbohydrates"), Grams, NutrientGroup::Energy,
     Nutrient::Carbohydrates},
    {NutrientId::Fat, "fat", CORVALO_UI_TEXT("NutrientCatalogue", "Fat"), Grams,
     NutrientGroup::Energy, Nutrient::Fat},
    {NutrientId::Fiber, "fiber", CORVALO_UI_TEXT("NutrientCatalogue", "Fibre"), Grams,
     NutrientGroup::Carbohydrates, Nutrient::Fiber},
    {NutrientId::Sugars, "sugars", CORVALO_UI_TEXT("NutrientCatalogue", "Sugars"), Grams,
     NutrientGroup::Carbohydrates, Nutrient::Sugars},
    {NutrientId::Starch, "starch", CORVALO_UI_TEXT("NutrientCatalogue", "Starch"), Grams,
     NutrientGroup::Carbohydrates, -1},
    {NutrientId::SaturatedFat, "saturated_fat",
     CORVALO_UI_TEXT("NutrientCatalogue", "Saturated fat"), Grams, NutrientGroup::Lipids,
     Nutrient::SaturatedFat},
    {NutrientId::MonounsaturatedFat, "monounsaturated_fat",
     CORVALO_UI_TEXT("NutrientCatalogue", "Monounsaturated fat"), Grams, NutrientGroup::Lipids, -1},
    {NutrientId::PolyunsaturatedFat, "polyunsaturated_fat",
     CORVALO_UI_TEXT("NutrientCatalogue", "Polyunsaturated fat"), Grams, NutrientGroup::Lipids, -1},
    {NutrientId::TransFat, "trans_fat", CORVALO_UI_TEXT("NutrientCatalogue", "Trans fat"), Grams,
     NutrientGroup::Lipids, -1},
    {NutrientId::Omega3, "omega_3", CORVALO_UI_TEXT("NutrientCatalogue", "Omega-3 fatty acids"),
     Grams, NutrientGroup::Lipids, -1},
    {NutrientId::Omega6, "omega_6", CORVALO_UI_TEXT("NutrientCatalogue", "Omega-6 fatty acids"),
     Grams, NutrientGroup::Lipids, -1},
    {NutrientId::Cholesterol, "cholesterol", CORVALO_UI_TEXT("NutrientCatalogue", "Cholesterol"),
     Milligrams, NutrientGroup::Lipids, Nutrient::Cholesterol},
    {NutrientId::Phytosterols, "phytosterols", CORVALO_UI_TEXT("NutrientCatalogue", "Phytosterols"),
     Milligrams, NutrientGroup::Lipids, -1},
    {NutrientId::Alanine, "alanine", CORVALO_UI_TEXT("NutrientCatalogue", "Alanine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Arginine, "arginine", CORVALO_UI_TEXT("NutrientCatalogue", "Arginine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::AsparticAcid, "aspartic_acid",
     CORVALO_UI_TEXT("NutrientCatalogue", "Aspartic acid"), Grams, NutrientGroup::Protein, -1},
    {NutrientId::Cystine, "cystine", CORVALO_UI_TEXT("NutrientCatalogue", "Cystine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::GlutamicAcid, "glutamic_acid",
     CORVALO_UI_TEXT("NutrientCatalogue", "Glutamic acid"), Grams, NutrientGroup::Protein, -1},
    {NutrientId::Glycine, "glycine", CORVALO_UI_TEXT("NutrientCatalogue", "Glycine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Histidine, "histidine", CORVALO_UI_TEXT("NutrientCatalogue", "Histidine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Hydroxyproline, "hydroxyproline",
     CORVALO_UI_TEXT("NutrientCatalogue", "Hydroxyproline"), Grams, NutrientGroup::Protein, -1},
    {NutrientId::Isoleucine, "isoleucine", CORVALO_UI_TEXT("NutrientCatalogue", "Isoleucine"),
     Grams, NutrientGroup::Protein, -1},
    {NutrientId::Leucine, "leucine", CORVALO_UI_TEXT("NutrientCatalogue", "Leucine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Lysine, "lysine", CORVALO_UI_TEXT("NutrientCatalogue", "Lysine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Methionine, "methionine", CORVALO_UI_TEXT("NutrientCatalogue", "Methionine"),
     Grams, NutrientGroup::Protein, -1},
    {NutrientId::Phenylalanine, "phenylalanine",
     CORVALO_UI_TEXT("NutrientCatalogue", "Phenylalanine"), Grams, NutrientGroup::Protein, -1},
    {NutrientId::Proline, "proline", CORVALO_UI_TEXT("NutrientCatalogue", "Proline"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Serine, "serine", CORVALO_UI_TEXT("NutrientCatalogue", "Serine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Threonine, "threonine", CORVALO_UI_TEXT("NutrientCatalogue", "Threonine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Tryptophan, "tryptophan", CORVALO_UI_TEXT("NutrientCatalogue", "Tryptophan"),
     Grams, NutrientGroup::Protein, -1},
    {NutrientId::Tyrosine, "tyrosine", CORVALO_UI_TEXT("NutrientCatalogue", "Tyrosine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::Valine, "valine", CORVALO_UI_TEXT("NutrientCatalogue", "Valine"), Grams,
     NutrientGroup::Protein, -1},
    {NutrientId::VitaminA, "vitamin_a", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin A (RAE)"),
     Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminAIu, "vitamin_a_iu", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin A (IU)"),
     Units, NutrientGroup::Vitamins, -1},
    {NutrientId::Retinol, "retinol", CORVALO_UI_TEXT("NutrientCatalogue", "Retinol"), Micrograms,
     NutrientGroup::Vitamins, -1},
    {NutrientId::BetaCarotene, "beta_carotene",
     CORVALO_UI_TEXT("NutrientCatalogue", "Beta-carotene"), Micrograms, NutrientGroup::Vitamins,
     -1},
    {NutrientId::AlphaCarotene, "alpha_carotene",
     CORVALO_UI_TEXT("NutrientCatalogue", "Alpha-carotene"), Micrograms, NutrientGroup::Vitamins,
     -1},
    {NutrientId::BetaCryptoxanthin, "beta_cryptoxanthin",
     CORVALO_UI_TEXT("NutrientCatalogue", "Beta-cryptoxanthin"), Micrograms,
     NutrientGroup::Vitamins, -1},
    {NutrientId::Thiamin, "thiamin", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin B1 (thiamin)"),
     Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::Riboflavin, "riboflavin",
     CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin B2 (riboflavin)"), Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::Niacin, "niacin", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin B3 (niacin)"),
     Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::PantothenicAcid, "pantothenic_acid",
     CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin B5 (pantothenic acid)"), Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminB6, "vitamin_b6", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin B6"),
     Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::Folate, "folate", CORVALO_UI_TEXT("NutrientCatalogue", "Folate"), Micrograms,
     NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminB12, "vitamin_b12", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin B12"),
     Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::Choline, "choline", CORVALO_UI_TEXT("NutrientCatalogue", "Choline"), Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminC, "vitamin_c", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin C"),
     Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminD, "vitamin_d", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin D"),
     Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminE, "vitamin_e",
     CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin E (alpha-tocopherol)"), Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::BetaTocopherol, "beta_tocopherol",
     CORVALO_UI_TEXT("NutrientCatalogue", "Beta-tocopherol"), Milligrams, NutrientGroup::Vitamins,
     -1},
    {NutrientId::GammaTocopherol, "gamma_tocopherol",
     CORVALO_UI_TEXT("NutrientCatalogue", "Gamma-tocopherol"), Milligrams, NutrientGroup::Vitamins,
     -1},
    {NutrientId::DeltaTocopherol, "delta_tocopherol",
     CORVALO_UI_TEXT("NutrientCatalogue", "Delta-tocopherol"), Milligrams, NutrientGroup::Vitamins,
     -1},
    {NutrientId::VitaminK, "vitamin_k", CORVALO_UI_TEXT("NutrientCatalogue", "Vitamin K"),
     Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::Calcium, "calcium", CORVALO_UI_TEXT("NutrientCatalogue", "Calcium"), Milligrams,
     NutrientGroup::Minerals, Nutrient::Calcium},
    {NutrientId::Copper, "copper", CORVALO_UI_TEXT("NutrientCatalogue", "Copper"), Milligrams,
     NutrientGroup::Minerals, -1},
    {NutrientId::Fluoride, "fluoride", CORVALO_UI_TEXT("NutrientCatalogue", "Fluoride"), Micrograms,
     NutrientGroup::Minerals, -1},
    {NutrientId::Iron, "iron", CORVALO_UI_TEXT("NutrientCatalogue", "Iron"), Milligrams,
     NutrientGroup::Minerals, -1},
    {NutrientId::Magnesium, "magnesium", CORVALO_UI_TEXT("NutrientCatalogue", "Magnesium"),
     Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Manganese, "manganese", CORVALO_UI_TEXT("NutrientCatalogue", "Manganese"),
     Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Phosphorus, "phosphorus", CORVALO_UI_TEXT("NutrientCatalogue", "Phosphorus"),
     Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Potassium, "potassium", CORVALO_UI_TEXT("NutrientCatalogue", "Potassium"),
     Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Selenium, "selenium", CORVALO_UI_TEXT("NutrientCatalogue", "Selenium"), Micrograms,
     NutrientGroup::Minerals, -1},
    {NutrientId::Sodium, "sodium", CORVALO_UI_TEXT("NutrientCatalogue", "Sodium"), Milligrams,
     NutrientGroup::Minerals, Nutrient::Sodium},
    {NutrientId::Zinc, "zinc", CORVALO_UI_TEXT("NutrientCatalogue", "Zinc"), Milligrams,
     NutrientGroup::Minerals, -1},
    {NutrientId::Water, "water", CORVALO_UI_TEXT("NutrientCatalogue", "Water"), Grams,
     NutrientGroup::Other, -1},
    {NutrientId::Alcohol, "alcohol", CORVALO_UI_TEXT("NutrientCatalogue", "Alcohol"), Grams,
     NutrientGroup::Other, -1},
    {NutrientId::Caffeine, "caffeine", CORVALO_UI_TEXT("NutrientCatalogue", "Caffeine"), Milligrams,
     NutrientGroup::Other, -1},
    {NutrientId::Ash, "ash", CORVALO_UI_TEXT("NutrientCatalogue", "Ash"), Grams,
     NutrientGroup::Other, -1},
    {NutrientId::Lycopene, "lycopene", CORVALO_UI_TEXT("NutrientCatalogue", "Lycopene"), Micrograms,
     NutrientGroup::Other, -1},
    {NutrientId::LuteinZeaxanthin, "lutein_zeaxanthin",
     CORVALO_UI_TEXT("NutrientCatalogue", "Lutein and zeaxanthin"), Micrograms,
     NutrientGroup::Other, -1},
}};

constexpr bool idsInOrder()
{
    for (int i = 0; i < NutrientCatalogue::Count; ++i) {
        if (Catalogue[std::size_t(i)].id != i)
            return false;
    }
    return true;
}
static_assert(idsInOrder(), "the catalogue lists every nutrient at its id");

constexpr std::array<int, Nutrient::Count> storedIds()
{
    std::array<int, Nutrient::Count> ids {};
    for (const NutrientInfo &nutrient : Catalogue) {
        if (nutrient.stored >= 0)
            ids[std::size_t(nutrient.stored)] = nutrient.id;
    }
    return ids;
}
constexpr std::array<int, Nutrient::Count> StoredIds = storedIds();

constexpr std::array<std::string_view, int(NutrientGroup::Count)> GroupNames = {
    CORVALO_UI_TEXT("NutrientCatalogue", "Energy and macronutrients"),
    CORVALO_UI_TEXT("NutrientCatalogue", "Carbohydrates"),
    CORVALO_UI_TEXT("NutrientCatalogue", "Lipids and fatty acids"),
    CORVALO_UI_TEXT("NutrientCatalogue", "Protein and amino acids"),
    CORVALO_UI_TEXT("NutrientCatalogue", "Vitamins"),
    CORVALO_UI_TEXT("NutrientCatalogue", "Minerals"),
    CORVALO_UI_TEXT("NutrientCatalogue", "Other")};

} // namespace

namespace NutrientCatalogue {

std::span<const NutrientInfo> all()
{
    return Catalogue;
}

const NutrientInfo &info(int id)
{
    return Catalogue[std::size_t(id)];
}

int find(std::string_view key)
{
    for (const NutrientInfo &nutrient : Catalogue) {
        if (nutrient.key == key)
            return nutrient.id;
    }
    return -1;
}

int fromStored(int storedIndex)
{
    return StoredIds[std::size_t(storedIndex)];
}

std::string_view groupName(NutrientGroup group)
{
    return GroupNames[std::size_t(group)];
}

} // namespace NutrientCatalogue
