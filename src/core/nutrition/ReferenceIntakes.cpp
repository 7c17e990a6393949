// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/ReferenceIntakes.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace ReferenceIntakes {

namespace {

// Life-stage groups, the columns of the summary tables: children 1-3 and 4-8; males and
// females 9-13, 14-18, 19-30, 31-50, 51-70, over 70; pregnancy and lactation at 18 or under,
// 19-30 and 31-50.
enum Group : int {
    C1,
    C4,
    M9,
    M14,
    M19,
    M31,
    M51,
    M71,
    F9,
    F14,
    F19,
    F31,
    F51,
    F71,
    P18,
    P19,
    P31,
    L18,
    L19,
    L31,
    Groups
};

constexpr double No = -1.0; // no value for the group

using GroupRow = std::array<double, Groups>;

struct Values
{
    int id;
    TargetKind kind;
    GroupRow target;
    LimitKind limitKind;
    GroupRow limit;
    std::string_view limitNote; // set when the limit does not apply to food
};

constexpr GroupRow None = {No, No, No, No, No, No, No, No, No, No,
                           No, No, No, No, No, No, No, No, No, No};

// Dietary Reference Intakes, National Academies, summary tables (RDA and AI for vitamins,
// elements, macronutrients and total water; UL for vitamins and elements; sodium and potassium
// as revised in 2019, with the chronic disease risk reduction intake for sodium). Converted to
// the catalogue's units: copper and fluoride tables are in µg and mg, water in litres.
// Food folate is total folate while the RDA is in dietary folate equivalents: for folate that
// occurs in food the two are the same.
// clang-format off
constexpr Values Table[] = {
    //                                    1-3   4-8   M9    M14   M19   M31   M51   M71   F9    F14   F19   F31   F51   F71   P18   P19   P31   L18   L19   L31
    {NutrientId::Protein, TargetKind::Rda, {13,   19,   34,   52,   56,   56,   56,   56,   34,   46,   46,   46,   46,   46,   71,   71,   71,   71,   71,   71},
     LimitKind::None, None, {}},
    {NutrientId::Carbohydrates, TargetKind::Rda,
                                          {130,  130,  130,  130,  130,  130,  130,  130,  130,  130,  130,  130,  130,  130,  175,  175,  175,  210,  210,  210},
     LimitKind::None, None, {}},
    {NutrientId::Fiber, TargetKind::Ai,   {19,   25,   31,   38,   38,   38,   30,   30,   26,   26,   25,   25,   21,   21,   28,   28,   28,   29,   29,   29},
     LimitKind::None, None, {}},
    // The AI is for alpha-linolenic and linoleic acid, most of the n-3 and n-6 in food.
    {NutrientId::Omega3, TargetKind::Ai,  {0.7,  0.9,  1.2,  1.6,  1.6,  1.6,  1.6,  1.6,  1.0,  1.1,  1.1,  1.1,  1.1,  1.1,  1.4,  1.4,  1.4,  1.3,  1.3,  1.3},
     LimitKind::None, None, {}},
    {NutrientId::Omega6, TargetKind::Ai,  {7,    10,   12,   16,   17,   17,   14,   14,   10,   11,   12,   12,   11,   11,   13,   13,   13,   13,   13,   13},
     LimitKind::None, None, {}},
    {NutrientId::VitaminA, TargetKind::Rda,
                                          {300,  400,  600,  900,  900,  900,  900,  900,  600,  700,  700,  700,  700,  700,  750,  770,  770,  1200, 1300, 1300},
     LimitKind::Tolerable,                {600,  900,  1700, 2800, 3000, 3000, 3000, 3000, 1700, 2800, 3000, 3000, 3000, 3000, 2800, 3000, 3000, 2800, 3000, 3000},
     "The upper limit is for preformed vitamin A (retinol) only, not for carotenoids: see "
     "retinol."},
    {NutrientId::Retinol, TargetKind::None, None,
     LimitKind::Tolerable,                {600,  900,  1700, 2800, 3000, 3000, 3000, 3000, 1700, 2800, 3000, 3000, 3000, 3000, 2800, 3000, 3000, 2800, 3000, 3000},
     {}},
    {NutrientId::Thiamin, TargetKind::Rda, {0.5, 0.6,  0.9,  1.2,  1.2,  1.2,  1.2,  1.2,  0.9,  1.0,  1.1,  1.1,  1.1,  1.1,  1.4,  1.4,  1.4,  1.4,  1.4,  1.4},
     LimitKind::None, None, {}},
    {NutrientId::Riboflavin, TargetKind::Rda,
                                          {0.5,  0.6,  0.9,  1.3,  1.3,  1.3,  1.3,  1.3,  0.9,  1.0,  1.1,  1.1,  1.1,  1.1,  1.4,  1.4,  1.4,  1.6,  1.6,  1.6},
     LimitKind::None, None, {}},
    {NutrientId::Niacin, TargetKind::Rda, {6,    8,    12,   16,   16,   16,   16,   16,   12,   14,   14,   14,   14,   14,   18,   18,   18,   17,   17,   17},
     LimitKind::Tolerable,                {10,   15,   20,   30,   35,   35,   35,   35,   20,   30,   35,   35,   35,   35,   30,   35,   35,   30,   35,   35},
     "The upper limit is for niacin from supplements and fortified foods only."},
    {NutrientId::PantothenicAcid, TargetKind::Ai,
                                          {2,    3,    4,    5,    5,    5,    5,    5,    4,    5,    5,    5,    5,    5,    6,    6,    6,    7,    7,    7},
     LimitKind::None, None, {}},
    {NutrientId::VitaminB6, TargetKind::Rda,
                                          {0.5,  0.6,  1.0,  1.3,  1.3,  1.3,  1.7,  1.7,  1.0,  1.2,  1.3,  1.3,  1.5,  1.5,  1.9,  1.9,  1.9,  2.0,  2.0,  2.0},
     LimitKind::Tolerable,                {30,   40,   60,   80,   100,  100,  100,  100,  60,   80,   100,  100,  100,  100,  80,   100,  100,  80,   100,  100},
     {}},
    {NutrientId::Folate, TargetKind::Rda, {150,  200,  300,  400,  400,  400,  400,  400,  300,  400,  400,  400,  400,  400,  600,  600,  600,  500,  500,  500},
     LimitKind::Tolerable,                {300,  400,  600,  800,  1000, 1000, 1000, 1000, 600,  800,  1000, 1000, 1000, 1000, 800,  1000, 1000, 800,  1000, 1000},
     "The upper limit is for folic acid from supplements and fortified foods only."},
    {NutrientId::VitaminB12, TargetKind::Rda,
                                          {0.9,  1.2,  1.8,  2.4,  2.4,  2.4,  2.4,  2.4,  1.8,  2.4,  2.4,  2.4,  2.4,  2.4,  2.6,  2.6,  2.6,  2.8,  2.8,  2.8},
     LimitKind::None, None, {}},
    {NutrientId::Choline, TargetKind::Ai, {200,  250,  375,  550,  550,  550,  550,  550,  375,  400,  425,  425,  425,  425,  450,  450,  450,  550,  550,  550},
     LimitKind::Tolerable,                {1000, 1000, 2000, 3000, 3500, 3500, 3500, 3500, 2000, 3000, 3500, 3500, 3500, 3500, 3000, 3500, 3500, 3000, 3500, 3500},
     {}},
    {NutrientId::VitaminC, TargetKind::Rda,
                                          {15,   25,   45,   75,   90,   90,   90,   90,   45,   65,   75,   75,   75,   75,   80,   85,   85,   115,  120,  120},
     LimitKind::Tolerable,                {400,  650,  1200, 1800, 2000, 2000, 2000, 2000, 1200, 1800, 2000, 2000, 2000, 2000, 1800, 2000, 2000, 1800, 2000, 2000},
     {}},
    {NutrientId::VitaminD, TargetKind::Rda,
                                          {15,   15,   15,   15,   15,   15,   15,   20,   15,   15,   15,   15,   15,   20,   15,   15,   15,   15,   15,   15},
     LimitKind::Tolerable,                {63,   75,   100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100,  100},
     {}},
    {NutrientId::VitaminE, TargetKind::Rda,
                                          {6,    7,    11,   15,   15,   15,   15,   15,   11,   15,   15,   15,   15,   15,   15,   15,   15,   19,   19,   19},
     LimitKind::Tolerable,                {200,  300,  600,  800,  1000, 1000, 1000, 1000, 600,  800,  1000, 1000, 1000, 1000, 800,  1000, 1000, 800,  1000, 1000},
     "The upper limit is for vitamin E from supplements and fortified foods only."},
    {NutrientId::VitaminK, TargetKind::Ai, {30,  55,   60,   75,   120,  120,  120,  120,  60,   75,   90,   90,   90,   90,   75,   90,   90,   75,   90,   90},
     LimitKind::None, None, {}},
    {NutrientId::Calcium, TargetKind::Rda, {700, 1000, 1300, 1300, 1000, 1000, 1000, 1200, 1300, 1300, 1000, 1000, 1200, 1200, 1300, 1000, 1000, 1300, 1000, 1000},
     LimitKind::Tolerable,                {2500, 2500, 3000, 3000, 2500, 2500, 2000, 2000, 3000, 3000, 2500, 2500, 2000, 2000, 3000, 2500, 2500, 3000, 2500, 2500},
     {}},
    {NutrientId::Copper, TargetKind::Rda, {0.34, 0.44, 0.7,  0.89, 0.9,  0.9,  0.9,  0.9,  0.7,  0.89, 0.9,  0.9,  0.9,  0.9,  1.0,  1.0,  1.0,  1.3,  1.3,  1.3},
     LimitKind::Tolerable,                {1,    3,    5,    8,    10,   10,   10,   10,   5,    8,    10,   10,   10,   10,   8,    10,   10,   8,    10,   10},
     {}},
    {NutrientId::Fluoride, TargetKind::Ai, {700, 1000, 2000, 3000, 4000, 4000, 4000, 4000, 2000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000, 3000},
     LimitKind::Tolerable,                {1300, 2200, 10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000,10000},
     {}},
    {NutrientId::Iron, TargetKind::Rda,   {7,    10,   8,    11,   8,    8,    8,    8,    8,    15,   18,   18,   8,    8,    27,   27,   27,   10,   9,    9},
     LimitKind::Tolerable,                {40,   40,   40,   45,   45,   45,   45,   45,   40,   45,   45,   45,   45,   45,   45,   45,   45,   45,   45,   45},
     {}},
    {NutrientId::Magnesium, TargetKind::Rda,
                                          {80,   130,  240,  410,  400,  420,  420,  420,  240,  360,  310,  320,  320,  320,  400,  350,  360,  360,  310,  320},
     LimitKind::Tolerable,                {65,   110,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350,  350},
     "The upper limit is for magnesium from supplements and medicines only, not from food and "
     "water."},
    {NutrientId::Manganese, TargetKind::Ai,
                                          {1.2,  1.5,  1.9,  2.2,  2.3,  2.3,  2.3,  2.3,  1.6,  1.6,  1.8,  1.8,  1.8,  1.8,  2.0,  2.0,  2.0,  2.6,  2.6,  2.6},
     LimitKind::Tolerable,                {2,    3,    6,    9,    11,   11,   11,   11,   6,    9,    11,   11,   11,   11,   9,    11,   11,   9,    11,   11},
     {}},
    {NutrientId::Phosphorus, TargetKind::Rda,
                                          {460,  500,  1250, 1250, 700,  700,  700,  700,  1250, 1250, 700,  700,  700,  700,  1250, 700,  700,  1250, 700,  700},
     LimitKind::Tolerable,                {3000, 3000, 4000, 4000, 4000, 4000, 4000, 3000, 4000, 4000, 4000, 4000, 4000, 3000, 3500, 3500, 3500, 4000, 4000, 4000},
     {}},
    {NutrientId::Potassium, TargetKind::Ai,
                                          {2000, 2300, 2500, 3000, 3400, 3400, 3400, 3400, 2300, 2300, 2600, 2600, 2600, 2600, 2600, 2900, 2900, 2500, 2800, 2800},
     LimitKind::None, None, {}},
    {NutrientId::Selenium, TargetKind::Rda,
                                          {20,   30,   40,   55,   55,   55,   55,   55,   40,   55,   55,   55,   55,   55,   60,   60,   60,   70,   70,   70},
     LimitKind::Tolerable,                {90,   150,  280,  400,  400,  400,  400,  400,  280,  400,  400,  400,  400,  400,  400,  400,  400,  400,  400,  400},
     {}},
    {NutrientId::Sodium, TargetKind::Ai,  {800,  1000, 1200, 1500, 1500, 1500, 1500, 1500, 1200, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500},
     LimitKind::RiskReduction,            {1200, 1500, 1800, 2300, 2300, 2300, 2300, 2300, 1800, 2300, 2300, 2300, 2300, 2300, 2300, 2300, 2300, 2300, 2300, 2300},
     {}},
    {NutrientId::Zinc, TargetKind::Rda,   {3,    5,    8,    11,   11,   11,   11,   11,   8,    9,    8,    8,    8,    8,    12,   11,   11,   13,   12,   12},
     LimitKind::Tolerable,                {7,    12,   23,   34,   40,   40,   40,   40,   23,   34,   40,   40,   40,   40,   34,   40,   40,   34,   40,   40},
     {}},
    // Total water, from drinks and food alike: litres as grams.
    {NutrientId::Water, TargetKind::Ai,   {1300, 1700, 2400, 3300, 3700, 3700, 3700, 3700, 2100, 2300, 2700, 2700, 2700, 2700, 3000, 3000, 3000, 3800, 3800, 3800},
     LimitKind::None, None, {}},
};
// clang-format on

std::optional<int> groupOf(const Profile &profile)
{
    const int age = profile.age;
    if (age < 1)
        return std::nullopt;
    if (age <= 3)
        return C1;
    if (age <= 8)
        return C4;
    const auto byAge = [age](int under14, int under19, int under31, int under51, int under71,
                             int older) {
        if (age <= 13)
            return under14;
        if (age <= 18)
            return under19;
        if (age <= 30)
            return under31;
        if (age <= 50)
            return under51;
        return age <= 70 ? under71 : older;
    };
    if (profile.sex == Sex::Male)
        return byAge(M9, M14, M19, M31, M51, M71);
    // Pregnancy and lactation have three groups; the nearest one serves outside them.
    if (profile.pregnant)
        return age <= 18 ? P18 : age <= 30 ? P19 : P31;
    if (profile.breastfeeding)
        return age <= 18 ? L18 : age <= 30 ? L19 : L31;
    return byAge(F9, F14, F19, F31, F51, F71);
}

std::optional<double> valueIn(const GroupRow &row, int group)
{
    const double value = row[std::size_t(group)];
    if (value < 0.0)
        return std::nullopt;
    return value;
}

} // namespace

Intake of(const Profile &profile, int nutrientId)
{
    Intake intake;
    const std::optional<int> group = groupOf(profile);
    if (!group)
        return intake;
    for (const Values &values : Table) {
        if (values.id != nutrientId)
            continue;
        intake.target = valueIn(values.target, *group);
        intake.targetKind = intake.target ? values.kind : TargetKind::None;
        intake.limit = valueIn(values.limit, *group);
        intake.limitKind = intake.limit ? values.limitKind : LimitKind::None;
        intake.limitAppliesToFood = values.limitNote.empty();
        intake.limitNote = values.limitNote;
        break;
    }
    return intake;
}

std::array<Intake, NutrientCatalogue::Count> all(const Profile &profile)
{
    std::array<Intake, NutrientCatalogue::Count> intakes;
    for (int id = 0; id < NutrientCatalogue::Count; ++id)
        intakes[std::size_t(id)] = of(profile, id);
    return intakes;
}

std::string ProfileText(const Profile &profile)
{
    std::string text = profile.sex == Sex::Male ? "male " : "female ";
    text += std::to_string(profile.age);
    if (profile.sex == Sex::Female && profile.pregnant)
        text += " pregnant";
    else if (profile.sex == Sex::Female && profile.breastfeeding)
        text += " breastfeeding";
    return text;
}

std::optional<Profile> ParseProfile(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        if (space != 0)
            words.push_back(text.substr(0, space));
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    if (words.size() < 2 || words.size() > 3)
        return std::nullopt;
    Profile profile;
    if (words[0] == "male")
        profile.sex = Sex::Male;
    else if (words[0] != "female")
        return std::nullopt;
    int age = 0;
    const auto [end, error] =
        std::from_chars(words[1].data(), words[1].data() + words[1].size(), age);
    if (error != std::errc() || end != words[1].data() + words[1].size() || age < 1 || age > 150)
        return std::nullopt;
    profile.age = age;
    if (words.size() == 3) {
        if (profile.sex != Sex::Female)
            return std::nullopt;
        if (words[2] == "pregnant")
            profile.pregnant = true;
        else if (words[2] == "breastfeeding")
            profile.breastfeeding = true;
        else
            return std::nullopt;
    }
    return profile;
}

} // namespace ReferenceIntakes
