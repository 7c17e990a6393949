// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/Nutrients.h"

#include <array>
#include <string>
#include <string_view>

// The user's daily goals, one per nutrient, each empty (no goal) or a positive amount in the
// panel's unit. A goal is a target to reach (calories, protein, fibre, calcium) or a limit to
// stay under (saturated fat, cholesterol, sugars, sodium); fat and carbohydrates are either, as
// the user chooses (by default fat is a limit, carbohydrates a target).
//
// Settings keep them as plain strings, which this class reads and writes:
//   "Goals/Calories" = "2000" (settingsKey), "Goals/FatKind" = "limit" or "target" (kindKey).
//
//   NutrientGoals goals;
//   goals.setGoalText(Nutrient::Calories, "2000");
//   goals.progressText(Nutrient::Calories, 515)            // "515 of 2000"
//   goals.progress(Nutrient::Calories, 515).fraction       // 0.2575
//   goals.preview(Nutrient::Sodium, 2200, +300).exceeded   // with a 2300 mg limit: true
class NutrientGoals
{
public:
    enum class Kind { Target, Limit };

    // No goals; every kind as defaultKind gives it.
    NutrientGoals();

    // Whether the user chooses the kind (fat, carbohydrates), and the kind before they do.
    static bool kindIsChoosable(int nutrient);
    static Kind defaultKind(int nutrient);

    Kind kind(int nutrient) const;
    // Ignored for a nutrient whose kind is fixed.
    void setKind(int nutrient, Kind kind);
    // "target" or "limit", as stored; any other text leaves the kind as it is.
    static std::string_view kindText(Kind kind);
    void setKindText(int nutrient, std::string_view text);

    // A goal typed as every number in the program is ("." is the decimal point in any locale,
    // what follows the number is ignored). Empty, 0, negative or no number: no goal.
    void setGoalText(int nutrient, std::string_view typed);
    void clearGoal(int nutrient) { setGoalText(nutrient, {}); }
    bool hasGoal(int nutrient) const { return goal(nutrient) > 0.0; }
    // 0 when there is none.
    double goal(int nutrient) const;
    // The goal as it is stored and shown for editing ("2000", "65.5"); empty when there is none.
    std::string goalText(int nutrient) const;
    // A day's goals when what its activities burned may be eaten too: the calorie goal raised by
    // `burned`. Without a calorie goal there is nothing to raise.
    NutrientGoals withBurned(double burned) const;

    // Settings keys: "Goals/Calories", "Goals/SaturatedFat", ...; the kind of fat and
    // carbohydrates under "Goals/FatKind" and "Goals/CarbohydratesKind" (empty for the others).
    static std::string settingsKey(int nutrient);
    static std::string kindKey(int nutrient);

    struct Progress
    {
        bool hasGoal = false;
        double fraction = 0.0; // the total over the goal, past 1 when over it; 0 without a goal
        bool reached = false; // a target whose total is at least the goal
        bool exceeded = false; // a limit whose total is above the goal
    };
    // For a day's total of the nutrient.
    Progress progress(int nutrient, double total) const;
    // What a change would do: `change` is what the preview shows, positive for a portion to add
    // ("+"), negative for an entry to delete ("-"); the total after it stays 0 or more.
    Progress preview(int nutrient, double total, double change) const;
    // "515 of 2000", "45 of 70 g": both figures as the panel shows totals, "0" for none; empty
    // without a goal.
    std::string progressText(int nutrient, double total) const;

private:
    std::array<double, Nutrient::Count> m_goals {};
    std::array<Kind, Nutrient::Count> m_kinds {};
};
