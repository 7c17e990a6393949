// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "nutrition/NutrientLookup.h"
#include "nutrition/NutrientTotals.h"

#include <vector>

// One day's nutrition in full: the totals of every nutrient with their coverage, and for each
// nutrient the entries that gave it.
class DayNutrition
{
public:
    struct Source
    {
        int entry = 0; // index in the day's entries
        double amount = 0.0; // in the nutrient's unit
    };

    // The day picks the recipes' definitions (NutrientLookup::entry).
    DayNutrition(const std::vector<MealEntry> &entries, const NutrientLookup &lookup,
                 const std::optional<DayFiles::LocalDate> &day = {});

    const NutrientTotals &totals() const { return m_totals; }
    // Per entry, in the day's order.
    const std::vector<EntryNutrients> &entries() const { return m_entries; }
    // The entries that gave some of the nutrient (a known amount above 0), largest first; equal
    // amounts in the day's order.
    std::vector<Source> sources(int id) const;

private:
    NutrientTotals m_totals;
    std::vector<EntryNutrients> m_entries;
};
