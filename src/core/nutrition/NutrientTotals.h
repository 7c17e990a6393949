// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "food/NutrientCatalogue.h"
#include "meals/MealEntry.h"

#include <array>
#include <optional>
#include <vector>

class NutrientLookup;
struct EntryNutrients;

// Every catalogue nutrient over one day or over several days pooled: the amount the entries
// that know it give, and how much of the calories those entries carry. Days are added one by
// one, so a period of any length is summed without holding it.
class NutrientTotals
{
public:
    // Adds a day's entries. The ten stored nutrients come from MealRecord::Totals, exactly the
    // day's totals as the panel shows them; the others from NutrientLookup::entry. A day without
    // entries changes nothing and is not a logged day. The day picks the recipes' definitions.
    void addDay(const std::vector<MealEntry> &entries, const NutrientLookup &lookup,
                const std::optional<DayFiles::LocalDate> &day = {});
    // The same with each entry's nutrients already looked up (NutrientLookup::entry), in order.
    void addDay(const std::vector<MealEntry> &entries, const std::vector<EntryNutrients> &given);

    static NutrientTotals ofDay(const std::vector<MealEntry> &entries, const NutrientLookup &lookup,
                                const std::optional<DayFiles::LocalDate> &day = {});
    static NutrientTotals ofDays(const std::vector<std::vector<MealEntry>> &days,
                                 const NutrientLookup &lookup);

    // Days with at least one entry.
    int loggedDays() const { return m_loggedDays; }
    int entryCount() const { return m_entries; }
    // The calories of all the entries, from their stored values, summed as coverage weighs them
    // (in double precision; amount(NutrientId::Energy) is the total as the panel shows it).
    double calories() const { return m_calories; }

    // The sum over the entries that know the nutrient; nullopt when none does.
    std::optional<double> amount(int id) const;
    // amount() per logged day; nullopt also when no day is logged.
    std::optional<double> perDay(int id) const;
    // The share (0 to 1) of the calories given by entries that know the nutrient: "known for
    // foods giving 92 % of the calories". With no calories at all, the share of the entries.
    double coverage(int id) const;
    // Whether every entry knows the nutrient.
    bool complete(int id) const { return m_knownEntries[std::size_t(id)] == m_entries; }

private:
    void addEntry(const MealEntry &entry, const EntryNutrients &given);
    void addStoredTotals(const std::vector<MealEntry> &entries);

    std::array<double, NutrientCatalogue::Count> m_amounts {};
    std::array<double, NutrientCatalogue::Count> m_knownCalories {};
    std::array<int, NutrientCatalogue::Count> m_knownEntries {};
    double m_calories = 0.0;
    int m_entries = 0;
    int m_loggedDays = 0;
};
