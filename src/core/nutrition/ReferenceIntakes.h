// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/NutrientCatalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The Dietary Reference Intakes of the US National Academies (Institute of Medicine), as their
// summary tables give them, for the catalogue nutrients that have one: a daily target (the RDA,
// else the AI) and an upper limit, by life-stage group, in the catalogue's units.
namespace ReferenceIntakes {

enum class Sex { Female, Male };

struct Profile
{
    Sex sex = Sex::Female;
    int age = 30; // full years; below 1 there are no values (infants' tables are not kept)
    bool pregnant = false; // female only
    bool breastfeeding = false; // female only; pregnancy wins when both are set
};

enum class TargetKind { None, Rda, Ai, Own }; // Own: the person set it
enum class LimitKind {
    None,
    Tolerable, // the tolerable upper intake level (UL)
    RiskReduction, // sodium: the intake above which lowering it lowers chronic disease risk
};

struct Intake
{
    TargetKind targetKind = TargetKind::None;
    std::optional<double> target;
    LimitKind limitKind = LimitKind::None;
    std::optional<double> limit;
    // False for limits set for supplements, fortified foods or one form of the nutrient only:
    // the day's total from food is not to be held against them.
    bool limitAppliesToFood = true;
    std::string_view limitNote; // English, why it does not apply; empty when it does
};

// The published source, as the window and the README name it.
inline constexpr std::string_view Source =
    "Dietary Reference Intakes, National Academies, summary tables";

Intake of(const Profile &profile, int nutrientId);

// The profile as the diary's settings keep it: "female 30", "male 52", "female 31 pregnant",
// "female 29 breastfeeding". Anything else reads as no profile.
std::string ProfileText(const Profile &profile);
std::optional<Profile> ParseProfile(std::string_view text);
std::array<Intake, NutrientCatalogue::Count> all(const Profile &profile);

} // namespace ReferenceIntakes
