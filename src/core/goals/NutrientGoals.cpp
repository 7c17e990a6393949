// SPDX-License-Identifier: GPL-3.0-or-later
#include "goals/NutrientGoals.h"

#include "meals/NutrientText.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view KeyNames[Nutrient::Count] = {
    "Calories", "Carbohydrates", "Fat",          "Protein",     "Fibre",
    "Calcium",  "Sodium",        "SaturatedFat", "Cholesterol", "Sugars"};

bool valid(int nutrient)
{
    return nutrient >= 0 && nutrient < Nutrient::Count;
}

std::string figureOrZero(double value)
{
    const std::string figure = NutrientText::Figure(float(value));
    return figure.empty() ? "0" : figure;
}

} // namespace

NutrientGoals::NutrientGoals()
{
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient)
        m_kinds[std::size_t(nutrient)] = defaultKind(nutrient);
}

bool NutrientGoals::kindIsChoosable(int nutrient)
{
    return nutrient == Nutrient::Fat || nutrient == Nutrient::Carbohydrates;
}

NutrientGoals::Kind NutrientGoals::defaultKind(int nutrient)
{
    switch (nutrient) {
    case Nutrient::Fat:
    case Nutrient::SaturatedFat:
    case Nutrient::Cholesterol:
    case Nutrient::Sugars:
    case Nutrient::Sodium:
        return Kind::Limit;
    default:
        return Kind::Target;
    }
}

NutrientGoals::Kind NutrientGoals::kind(int nutrient) const
{
    return valid(nutrient) ? m_kinds[std::size_t(nutrient)] : Kind::Target;
}

void NutrientGoals::setKind(int nutrient, Kind kind)
{
    if (kindIsChoosable(nutrient))
        m_kinds[std::size_t(nutrient)] = kind;
}

std::string_view NutrientGoals::kindText(Kind kind)
{
    return kind == Kind::Limit ? "limit" : "target";
}

void NutrientGoals::setKindText(int nutrient, std::string_view text)
{
    if (text == kindText(Kind::Limit))
        setKind(nutrient, Kind::Limit);
    else if (text == kindText(Kind::Target))
        setKind(nutrient, Kind::Target);
}

void NutrientGoals::setGoalText(int nutrient, std::string_view typed)
{
    if (!valid(nutrient))
        return;
    const double value = NumberText::parse(typed);
    m_goals[std::size_t(nutrient)] = std::isfinite(value) && value > 0.0 ? value : 0.0;
}

double NutrientGoals::goal(int nutrient) const
{
    return valid(nutrient) ? m_goals[std::size_t(nutrient)] : 0.0;
}

NutrientGoals NutrientGoals::withBurned(double burned) const
{
    NutrientGoals day = *this;
    if (hasGoal(Nutrient::Calories) && burned > 0.0)
        day.m_goals[std::size_t(Nutrient::Calories)] += burned;
    return day;
}

std::string NutrientGoals::goalText(int nutrient) const
{
    if (!hasGoal(nutrient))
        return {};
    // Two decimals at most, without trailing zeros: what anyone types for a goal.
    std::string text = NumberText::fixed(goal(nutrient), 2);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

std::string NutrientGoals::settingsKey(int nutrient)
{
    return valid(nutrient) ? "Goals/" + std::string(KeyNames[nutrient]) : std::string();
}

std::string NutrientGoals::kindKey(int nutrient)
{
    return kindIsChoosable(nutrient) ? settingsKey(nutrient) + "Kind" : std::string();
}

NutrientGoals::Progress NutrientGoals::progress(int nutrient, double total) const
{
    Progress progress;
    if (!hasGoal(nutrient))
        return progress;
    const double goal = this->goal(nutrient);
    total = std::isfinite(total) ? std::max(total, 0.0) : 0.0;
    progress.hasGoal = true;
    progress.fraction = total / goal;
    if (kind(nutrient) == Kind::Target)
        progress.reached = total >= goal;
    else
        progress.exceeded = total > goal;
    return progress;
}

NutrientGoals::Progress NutrientGoals::preview(int nutrient, double total, double change) const
{
    return progress(nutrient, total + change);
}

std::string NutrientGoals::progressText(int nutrient, double total) const
{
    if (!hasGoal(nutrient))
        return {};
    std::string text = figureOrZero(total) + " of " + figureOrZero(goal(nutrient));
    const std::string_view unit = NutrientText::Unit(nutrient);
    if (!unit.empty())
        text += " " + std::string(unit);
    return text;
}
