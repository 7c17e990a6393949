#pragma once

#include "calendar/DayFiles.h"
#include "store/WeightFile.h"
#include "store/MealDayFile.h"
#include "platform/FileIo.h"

#include <string>

// Stored days for the chart tests, written in the data directory.
inline MealEntry caloriesEntry(float calories)
{
    MealEntry entry;
    entry.name = "Oatmeal";
    entry.unit = "g";
    entry.gramsPerUnit = 1.0f;
    entry.amount = calories;
    entry.nutrients[0] = 1.0f; // one calorie a gram
    return entry;
}

inline bool writeMeal(int day, int month, int year, float calories)
{
    return MealDayFile::AppendMealRecord(
        DayFiles::DataFilePath(DayFiles::NoonOf(day, month, year), ".db"), caloriesEntry(calories))
        .ok();
}

inline bool writeWeight(int day, int month, int year, float weight)
{
    return WeightFile::Write(DayFiles::DataFilePath(DayFiles::NoonOf(day, month, year), ".wth"),
                             weight)
        .ok();
}

inline bool writeDataFile(const std::string &name, std::string_view bytes)
{
    return FileIo::writeAtomically(DayFiles::DataDirectory() / name, bytes).ok();
}
