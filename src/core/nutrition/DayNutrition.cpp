// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/DayNutrition.h"

#include <algorithm>

DayNutrition::DayNutrition(const std::vector<MealEntry> &entries, const NutrientLookup &lookup,
                           const std::optional<DayFiles::LocalDate> &day)
{
    m_entries.reserve(entries.size());
    for (const MealEntry &entry : entries)
        m_entries.push_back(lookup.entry(entry, day));
    m_totals.addDay(entries, m_entries);
}

std::vector<DayNutrition::Source> DayNutrition::sources(int id) const
{
    std::vector<Source> list;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const float amount = m_entries[i].amounts.value(id);
        if (m_entries[i].amounts.known(id) && amount > 0.0f)
            list.push_back({int(i), double(amount)});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Source &a, const Source &b) { return a.amount > b.amount; });
    return list;
}
