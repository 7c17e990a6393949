// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"
#include "store/MealDayFile.h"
#include "store/WeightFile.h"

#include <cstdio>
#include <filesystem>
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

// The data folder the samples go to; each test points it at its own folder.
inline std::filesystem::path &sampleDataDirectory()
{
    static std::filesystem::path folder;
    return folder;
}

inline std::filesystem::path sampleFile(int day, int month, int year, const char *extension)
{
    char name[32];
    std::snprintf(name, sizeof name, "%02d-%02d-%04d%s", month, day, year, extension);
    return sampleDataDirectory() / name;
}

inline bool writeMeal(int day, int month, int year, float calories)
{
    return MealDayFile::AppendMealRecord(sampleFile(day, month, year, ".db"),
                                         caloriesEntry(calories))
        .ok();
}

inline bool writeWeight(int day, int month, int year, float weight)
{
    return WeightFile::Write(sampleFile(day, month, year, ".wth"), weight).ok();
}

inline bool writeDataFile(const std::string &name, std::string_view bytes)
{
    return FileIo::writeAtomically(sampleDataDirectory() / name, bytes).ok();
}
