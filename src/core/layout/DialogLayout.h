// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

// Control ids and placement of the main window, from its dialog-unit template.
// Dialog units convert with x * 6 / 4 and y * 13 / 8 ("MS Shell Dlg" 8 pt at 96 dpi).
namespace DialogLayout {

enum ControlId : int {
    DayStrip = 1000,
    NextDay = 1001,
    PreviousDay = 1002,
    MealList = 1003,
    AmountEditor = 1004,
    SearchBox = 1005,
    FoodList = 1006,
    AmountBox = 1007,
    UnitBox = 1008,
    AddButton = 1009,
    DeleteSelectedButton = 1010,
    ClearListButton = 1011,
    NutrientPanel = 1012,
    CloseButton = 1013,
    FoodButton = 1014,
    ChartsButton = 1015,
    DiaryButton = 1016,
    OvulationButton = 1017,
    SettingsButton = 1018,
    WeightBox = 1019,
    CommunityButton = 1020,
};

struct Rect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool operator==(const Rect &) const = default;
};

struct Control
{
    ControlId id;
    Rect dialogUnits;
    bool visibleAtStart;
};

inline constexpr int WindowWidth = 640;
inline constexpr int WindowHeight = 480;

// Win32 MulDiv: the product divided, rounded half away from zero.
constexpr int mulDiv(int value, int numerator, int denominator)
{
    const std::int64_t product = std::int64_t(value) * numerator;
    const std::int64_t half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

constexpr Rect toPixels(Rect units)
{
    return {mulDiv(units.x, 6, 4), mulDiv(units.y, 13, 8), mulDiv(units.width, 6, 4),
            mulDiv(units.height, 13, 8)};
}

inline constexpr std::array<Control, 18> Controls {{
    {DayStrip, {0, 27, 425, 33}, true},
    {MealList, {118, 207, 303, 78}, true},
    {SearchBox, {186, 66, 235, 12}, true},
    {FoodList, {118, 83, 303, 104}, true},
    {AmountBox, {188, 190, 40, 12}, true},
    {UnitBox, {238, 190, 93, 104}, true},
    {AddButton, {335, 188, 64, 11}, true},
    {DeleteSelectedButton, {187, 285, 80, 8}, true},
    {ClearListButton, {280, 285, 80, 8}, true},
    {NutrientPanel, {8, 84, 102, 204}, true},
    {CloseButton, {412, 0, 13, 13}, true},
    {FoodButton, {283, 12, 16, 10}, true},
    {ChartsButton, {305, 12, 23, 10}, true},
    {DiaryButton, {334, 12, 23, 10}, true},
    {OvulationButton, {311, 0, 34, 10}, true}, // page 4: the Nutrients page
    {SettingsButton, {350, 0, 29, 10}, true},
    {WeightBox, {62, 66, 43, 12}, true},
    {CommunityButton, {362, 12, 36, 10}, true},
}};

constexpr Control control(ControlId id)
{
    for (const Control &c : Controls) {
        if (c.id == id)
            return c;
    }
    return {id, {}, false};
}

// The control's rectangle in window pixels, as the template places it (image buttons then
// take the size of one frame of their strip, keeping the top-left corner).
constexpr Rect pixelRect(ControlId id)
{
    return toPixels(control(id).dialogUnits);
}

// The new-version prompt's template: the dialog and its two buttons, in dialog units. Its
// buttons also take their frames' sizes: 100 x 23 and 270 x 25 pixels.
inline constexpr Rect PromptUnits {0, 0, 216, 117};
inline constexpr Rect PromptNoThanksUnits {69, 94, 75, 14};
inline constexpr Rect PromptDownloadUnits {18, 80, 177, 15};

} // namespace DialogLayout
