// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "meals/MealEntry.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Joining a day file with a conflict copy of it (ConflictCopies): what each side holds is kept.
namespace DayMerge {

// Where a row of a merged meal list comes from.
enum class Side { Both, Ours, Theirs };

struct MealRow
{
    MealEntry entry;
    std::string record; // its bytes in the file
    Side side = Side::Both;
};

// Every entry of both sides, ours in their order first, then those only theirs has. An entry
// that is the same byte for byte on both sides is there as many times as on the side that has
// it most often, so a portion logged twice stays twice and one logged on both sides once.
std::vector<MealRow> Meals(std::string_view ours, std::string_view theirs);

// The file image of the rows kept (`keep` parallel to `rows`; all when empty).
std::string MealImage(const std::vector<MealRow> &rows, const std::vector<bool> &keep = {});

// Both notes, ours first, as editor text: one of them when they are the same or one already
// holds the other, else both with a blank line between.
std::string Notes(std::string_view ours, std::string_view theirs);

// Two own-food tables joined by name: ours as it stands, with each food only theirs has added
// and every earlier definition of both (UserFoodTable::addPastOf).
// A name both have with different values is the one `takeTheirs(name)` chooses; `differing`
// (when given) receives those names.
std::string OwnFoods(std::string_view ours, std::string_view theirs,
                     const std::function<bool(const std::string &name)> &takeTheirs,
                     std::vector<std::string> *differing = nullptr);

} // namespace DayMerge
