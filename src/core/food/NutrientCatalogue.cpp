#include "food/NutrientCatalogue.h"

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
    {NutrientId::Energy, "energy", "Energy", Kilocalories, NutrientGroup::Energy,
     Nutrient::Calories},
    {NutrientId::Protein, "protein", "Protein", Grams, NutrientGroup::Energy, Nutrient::Protein},
    {NutrientId::Carbohydrates, "carbohydrates", "Carbohydrates", Grams, NutrientGroup::Energy,
     Nutrient::Carbohydrates},
    {NutrientId::Fat, "fat", "Fat", Grams, NutrientGroup::Energy, Nutrient::Fat},
    {NutrientId::Fiber, "fiber", "Fibre", Grams, NutrientGroup::Carbohydrates, Nutrient::Fiber},
    {NutrientId::Sugars, "sugars", "Sugars", Grams, NutrientGroup::Carbohydrates, Nutrient::Sugars},
    {NutrientId::Starch, "starch", "Starch", Grams, NutrientGroup::Carbohydrates, -1},
    {NutrientId::SaturatedFat, "saturated_fat", "Saturated fat", Grams, NutrientGroup::Lipids,
     Nutrient::SaturatedFat},
    {NutrientId::MonounsaturatedFat, "monounsaturated_fat", "Monounsaturated fat", Grams,
     NutrientGroup::Lipids, -1},
    {NutrientId::PolyunsaturatedFat, "polyunsaturated_fat", "Polyunsaturated fat", Grams,
     NutrientGroup::Lipids, -1},
    {NutrientId::TransFat, "trans_fat", "Trans fat", Grams, NutrientGroup::Lipids, -1},
    {NutrientId::Omega3, "omega_3", "Omega-3 fatty acids", Grams, NutrientGroup::Lipids, -1},
    {NutrientId::Omega6, "omega_6", "Omega-6 fatty acids", Grams, NutrientGroup::Lipids, -1},
    {NutrientId::Cholesterol, "cholesterol", "Cholesterol", Milligrams, NutrientGroup::Lipids,
     Nutrient::Cholesterol},
    {NutrientId::Phytosterols, "phytosterols", "Phytosterols", Milligrams, NutrientGroup::Lipids,
     -1},
    {NutrientId::Alanine, "alanine", "Alanine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Arginine, "arginine", "Arginine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::AsparticAcid, "aspartic_acid", "Aspartic acid", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Cystine, "cystine", "Cystine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::GlutamicAcid, "glutamic_acid", "Glutamic acid", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Glycine, "glycine", "Glycine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Histidine, "histidine", "Histidine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Hydroxyproline, "hydroxyproline", "Hydroxyproline", Grams, NutrientGroup::Protein,
     -1},
    {NutrientId::Isoleucine, "isoleucine", "Isoleucine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Leucine, "leucine", "Leucine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Lysine, "lysine", "Lysine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Methionine, "methionine", "Methionine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Phenylalanine, "phenylalanine", "Phenylalanine", Grams, NutrientGroup::Protein,
     -1},
    {NutrientId::Proline, "proline", "Proline", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Serine, "serine", "Serine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Threonine, "threonine", "Threonine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Tryptophan, "tryptophan", "Tryptophan", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Tyrosine, "tyrosine", "Tyrosine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::Valine, "valine", "Valine", Grams, NutrientGroup::Protein, -1},
    {NutrientId::VitaminA, "vitamin_a", "Vitamin A (RAE)", Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminAIu, "vitamin_a_iu", "Vitamin A (IU)", Units, NutrientGroup::Vitamins, -1},
    {NutrientId::Retinol, "retinol", "Retinol", Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::BetaCarotene, "beta_carotene", "Beta-carotene", Micrograms,
     NutrientGroup::Vitamins, -1},
    {NutrientId::AlphaCarotene, "alpha_carotene", "Alpha-carotene", Micrograms,
     NutrientGroup::Vitamins, -1},
    {NutrientId::BetaCryptoxanthin, "beta_cryptoxanthin", "Beta-cryptoxanthin", Micrograms,
     NutrientGroup::Vitamins, -1},
    {NutrientId::Thiamin, "thiamin", "Vitamin B1 (thiamin)", Milligrams, NutrientGroup::Vitamins,
     -1},
    {NutrientId::Riboflavin, "riboflavin", "Vitamin B2 (riboflavin)", Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::Niacin, "niacin", "Vitamin B3 (niacin)", Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::PantothenicAcid, "pantothenic_acid", "Vitamin B5 (pantothenic acid)", Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminB6, "vitamin_b6", "Vitamin B6", Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::Folate, "folate", "Folate", Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminB12, "vitamin_b12", "Vitamin B12", Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::Choline, "choline", "Choline", Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminC, "vitamin_c", "Vitamin C", Milligrams, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminD, "vitamin_d", "Vitamin D", Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminE, "vitamin_e", "Vitamin E (alpha-tocopherol)", Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::BetaTocopherol, "beta_tocopherol", "Beta-tocopherol", Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::GammaTocopherol, "gamma_tocopherol", "Gamma-tocopherol", Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::DeltaTocopherol, "delta_tocopherol", "Delta-tocopherol", Milligrams,
     NutrientGroup::Vitamins, -1},
    {NutrientId::VitaminK, "vitamin_k", "Vitamin K", Micrograms, NutrientGroup::Vitamins, -1},
    {NutrientId::Calcium, "calcium", "Calcium", Milligrams, NutrientGroup::Minerals,
     Nutrient::Calcium},
    {NutrientId::Copper, "copper", "Copper", Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Fluoride, "fluoride", "Fluoride", Micrograms, NutrientGroup::Minerals, -1},
    {NutrientId::Iron, "iron", "Iron", Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Magnesium, "magnesium", "Magnesium", Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Manganese, "manganese", "Manganese", Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Phosphorus, "phosphorus", "Phosphorus", Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Potassium, "potassium", "Potassium", Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Selenium, "selenium", "Selenium", Micrograms, NutrientGroup::Minerals, -1},
    {NutrientId::Sodium, "sodium", "Sodium", Milligrams, NutrientGroup::Minerals, Nutrient::Sodium},
    {NutrientId::Zinc, "zinc", "Zinc", Milligrams, NutrientGroup::Minerals, -1},
    {NutrientId::Water, "water", "Water", Grams, NutrientGroup::Other, -1},
    {NutrientId::Alcohol, "alcohol", "Alcohol", Grams, NutrientGroup::Other, -1},
    {NutrientId::Caffeine, "caffeine", "Caffeine", Milligrams, NutrientGroup::Other, -1},
    {NutrientId::Ash, "ash", "Ash", Grams, NutrientGroup::Other, -1},
    {NutrientId::Lycopene, "lycopene", "Lycopene", Micrograms, NutrientGroup::Other, -1},
    {NutrientId::LuteinZeaxanthin, "lutein_zeaxanthin", "Lutein and zeaxanthin", Micrograms,
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
    "Energy and macronutrients",
    "Carbohydrates",
    "Lipids and fatty acids",
    "Protein and amino acids",
    "Vitamins",
    "Minerals",
    "Other"};

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
