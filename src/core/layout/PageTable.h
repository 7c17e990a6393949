// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/DialogLayout.h"

#include <span>

// The five pages of the main window, the button of each and the controls each shows. Page 4, left
// empty by the original design, shows every nutrient; its button keeps its id.
namespace PageTable {

enum Page : int { Food = 1, Charts = 2, Diary = 3, Nutrients = 4, Settings = 5 };

// Stand-ins for the page windows among the control ids.
inline constexpr int ChartsPageWindow = 149;
inline constexpr int DiaryPageWindow = 150;
inline constexpr int SettingsPageWindow = 151;
inline constexpr int NutrientsPageWindow = 152;

// Any number outside 1 to 5 shows the Settings page.
constexpr int Normalized(int page)
{
    return page >= Food && page <= Settings ? page : Settings;
}

constexpr DialogLayout::ControlId ButtonOf(int page)
{
    using namespace DialogLayout;
    constexpr ControlId buttons[] = {FoodButton, ChartsButton, DiaryButton, OvulationButton,
                                     SettingsButton};
    return buttons[Normalized(page) - 1];
}

inline constexpr int FoodPageControls[] = {
    DialogLayout::WeightBox,      DialogLayout::MealList,  DialogLayout::SearchBox,
    DialogLayout::FoodList,       DialogLayout::AmountBox, DialogLayout::NutrientPanel,
    DialogLayout::UnitBox,        DialogLayout::AddButton, DialogLayout::DeleteSelectedButton,
    DialogLayout::ClearListButton};
inline constexpr int ChartsPageControls[] = {ChartsPageWindow};
inline constexpr int DiaryPageControls[] = {DiaryPageWindow};
inline constexpr int NutrientsPageControls[] = {NutrientsPageWindow};
inline constexpr int SettingsPageControls[] = {SettingsPageWindow};

// Every control that belongs to some page; all are hidden before a page shows its own.
inline constexpr int AllPageControls[] = {
    DialogLayout::WeightBox,       DialogLayout::MealList,  DialogLayout::SearchBox,
    DialogLayout::FoodList,        DialogLayout::AmountBox, DialogLayout::NutrientPanel,
    DialogLayout::UnitBox,         DialogLayout::AddButton, DialogLayout::DeleteSelectedButton,
    DialogLayout::ClearListButton, ChartsPageWindow,        DiaryPageWindow,
    NutrientsPageWindow,           SettingsPageWindow};

constexpr std::span<const int> ControlsOf(int page)
{
    switch (Normalized(page)) {
    case Food:
        return FoodPageControls;
    case Charts:
        return ChartsPageControls;
    case Diary:
        return DiaryPageControls;
    case Nutrients:
        return NutrientsPageControls;
    default:
        return SettingsPageControls;
    }
}

} // namespace PageTable
