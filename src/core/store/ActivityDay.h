// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileIo.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the person did on a day and the calories it burned, as they typed them: the program does
// not guess them. A file per day beside the meals, "db/<day>.act", UTF-8 text, an activity a
// line:
//
//   Cycling<TAB>45<TAB>380
//
// (name, minutes, kcal). A line that cannot be read is skipped, said, and kept as it is when the
// file is rewritten. The day's intake never changes for it.
struct Activity
{
    std::string name;
    double minutes = 0.0;
    double calories = 0.0;
};

class ActivityDay
{
public:
    static constexpr std::string_view Extension = ".act";
    static constexpr double MostMinutes = 24 * 60;
    static constexpr double MostCalories = 20000.0;

    // Minutes and calories as the file keeps them: 45, 12.5.
    static std::string Figure(double value);
    // Why the activity cannot be stored; empty when it can.
    static std::string Problem(const Activity &activity);

    void parse(std::string_view bytes);
    std::string image() const;

    const std::vector<Activity> &activities() const { return m_activities; }
    double burned() const;
    int skippedLines() const { return m_skipped; }
    // Nothing happens for an activity with a Problem.
    void add(const Activity &activity);
    // Takes out the first activity the same as `activity` (as the file keeps its figures); false
    // when the day holds none.
    bool remove(const Activity &activity);

    // A missing file is a day without activities.
    static FileIo::Result Load(const std::filesystem::path &file, ActivityDay &day);
    // Adds the activity to the file under its lock, keeping what another writer put there.
    static FileIo::Result Append(const std::filesystem::path &file, const Activity &activity);
    // Takes the activity out of the file under its lock; Problem::Changed when the file no longer
    // holds it. A file left with nothing in it goes.
    static FileIo::Result Remove(const std::filesystem::path &file, const Activity &activity);

private:
    std::vector<std::string> m_lines; // every line read, as read; new ones at the end
    std::vector<Activity> m_activities;
    std::vector<std::size_t> m_lineOf; // each activity's line
    int m_skipped = 0;
};
