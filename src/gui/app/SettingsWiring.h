// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowPages.h"

// The diary's settings between the Settings page and the other pages: the ten goals, the food
// list's order, whom the nutrient targets are for and the person's own targets.
namespace SettingsWiring {

// A change on the Settings page is stored in the diary's settings and applied to the pages built
// so far; a store that fails is said. `pages` must outlive the page.
void connect(const WindowPages &pages);
// The order switched on the Food page is stored, and shown on the Settings page when built.
void connectFood(const WindowPages &pages);
// The same for the targets set on the Nutrients page, which also gets the stored profile.
void connectNutrients(const WindowPages &pages);
// What the diary's settings hold now, shown on the pages built; boxes the user is typing in are
// left alone.
void show(const WindowPages &pages);

} // namespace SettingsWiring
