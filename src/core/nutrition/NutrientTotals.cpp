// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/NutrientTotals.h"

#include "meals/MealRecord.h"
#include "nutrition/NutrientLookup.h"

void NutrientTotals::addDay(const std::vector<MealEntry> &entries, const NutrientLookup &lookup,
                            const std::optional<DayFiles::LocalDate> &day)
{
    for (const MealEntry &entry : entries)
        addEntry(entry, lookup.entry(entry, day));
    addStoredTotals(entries);
}

void NutrientTotals::addDay(const std::vector<MealEntry> &entries,
                            const std::vector<EntryNutrients> &given)
{
    for (std::size_t i = 0; i < entries.size() && i < given.size(); ++i)
        addEntry(entries[i], given[i]);
    addStoredTotals(entries);
}

void NutrientTotals::addEntry(const MealEntry &entry, const EntryNutrients &given)
{
    const double calories = double(entry.contribution(Nutrient::Calories));
    for (int id = 0; id < NutrientCatalogue::Count; ++id) {
        if (!given.amounts.known(id))
            continue;
        if (NutrientCatalogue::info(id).stored < 0)
            m_amounts[std::size_t(id)] += double(given.amounts.value(id));
        m_knownCalories[std::size_t(id)] += calories;
        ++m_knownEntries[std::size_t(id)];
    }
    m_calories += calories;
    ++m_entries;
}

void NutrientTotals::addStoredTotals(const std::vector<MealEntry> &entries)
{
    if (entries.empty())
        return;
    ++m_loggedDays;
    const Nutrients totals = MealRecord::Totals(entries);
    for (int k = 0; k < Nutrient::Count; ++k)
        m_amounts[std::size_t(NutrientCatalogue::fromStored(k))] += double(totals[k]);
}

NutrientTotals NutrientTotals::ofDay(const std::vector<MealEntry> &entries,
                                     const NutrientLookup &lookup,
                                     const std::optional<DayFiles::LocalDate> &day)
{
    NutrientTotals totals;
    totals.addDay(entries, lookup, day);
    return totals;
}

NutrientTotals NutrientTotals::ofDays(const std::vector<std::vector<MealEntry>> &days,
                                      const NutrientLookup &lookup)
{
    NutrientTotals totals;
    for (const std::vector<MealEntry> &day : days)
        totals.addDay(day, lookup);
    return totals;
}

std::optional<double> NutrientTotals::amount(int id) const
{
    if (m_knownEntries[std::size_t(id)] == 0)
        return std::nullopt;
    return m_amounts[std::size_t(id)];
}

std::optional<double> NutrientTotals::perDay(int id) const
{
    const std::optional<double> total = amount(id);
    if (!total || m_loggedDays == 0)
        return std::nullopt;
    return *total / m_loggedDays;
}

double NutrientTotals::coverage(int id) const
{
    if (m_calories > 0.0)
        return m_knownCalories[std::size_t(id)] / m_calories;
    return m_entries > 0 ? double(m_knownEntries[std::size_t(id)]) / m_entries : 0.0;
}
