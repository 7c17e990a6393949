// SPDX-License-Identifier: GPL-3.0-or-later
#include "DayCommands.h"

#include "export/DiaryExport.h"
#include "meals/MealRowLayout.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
#include "store/ActivityDay.h"
#include "store/CompleteDays.h"
#include "store/DayStore.h"
#include "store/SaveProblem.h"

#include <ostream>

namespace DayCommands {

namespace {

int failed(const RecipeCommands::Diary &diary, const FileIo::Result &result,
           SaveProblem::Action action)
{
    diary.err << CommandLine::Program << ": " << SaveProblem::Describe(result, diary.root, action)
              << '\n';
    return 1;
}

} // namespace

int Complete(const CommandLine::Command &command, const RecipeCommands::Diary &diary)
{
    const DayFiles::LocalDate day = *command.date;
    if (command.complete) {
        if (const FileIo::Result saved = CompleteDays::Mark(diary.store, day, *command.complete);
            !saved.ok())
            return failed(diary, saved, SaveProblem::Action::Save);
    }
    diary.out << DiaryExport::IsoDate(day) << ": "
              << (CompleteDays::IsComplete(diary.store, day) ? "complete" : "not marked complete")
              << '\n';
    return 0;
}

int Activity(const CommandLine::Command &command, const RecipeCommands::Diary &diary)
{
    const DayFiles::LocalDate day = *command.date;
    const std::filesystem::path file = diary.store.DataFilePath(day, ActivityDay::Extension);
    if (command.activity) {
        if (const FileIo::Result saved = ActivityDay::Append(file, *command.activity); !saved.ok())
            return failed(diary, saved, SaveProblem::Action::Save);
    }
    ActivityDay activities;
    if (const FileIo::Result read = ActivityDay::Load(file, activities); !read.ok())
        return failed(diary, read, SaveProblem::Action::Load);
    std::ostream &out = diary.out;
    out << DiaryExport::IsoDate(day) << '\n';
    for (const ::Activity &activity : activities.activities())
        out << "  " << activity.name << ", " << ActivityDay::Figure(activity.minutes) << " min, "
            << ActivityDay::Figure(activity.calories) << " kcal\n";
    if (activities.activities().empty())
        out << "  no activities\n";
    out << "Burned:" << std::string(9, ' ') << ActivityDay::Figure(activities.burned())
        << " kcal\n";
    if (const int skipped = activities.skippedLines(); skipped > 0)
        diary.err << CommandLine::Program << ": " << skipped
                  << (skipped == 1 ? " line of " : " lines of ") << file.filename().string()
                  << " could not be read" << (skipped == 1 ? "; it is kept" : "; they are kept")
                  << '\n';
    return 0;
}

int ChangeEntry(const CommandLine::Command &command, const RecipeCommands::Diary &diary)
{
    const DayFiles::LocalDate day = *command.date;
    const std::string date = DiaryExport::IsoDate(day);
    const auto said = [&](const std::string &message) {
        diary.err << CommandLine::Program << ": " << message << '\n';
        return 1;
    };
    const DayStore::Meals meals = diary.store.LoadMeals(day);
    if (!meals.readable)
        return said("the meals of " + date + " could not be read; nothing is changed");
    if (command.entry > meals.entries.size())
        return said(date + " has " + std::to_string(meals.entries.size()) +
                    (meals.entries.size() == 1 ? " entry" : " entries") + ", no entry " +
                    std::to_string(command.entry) + "; day " + date + " lists them");
    const std::size_t index = command.entry - 1;
    const MealEntry &entry = meals.entries[index];
    const std::string shown = MealRowLayout::amountText(entry.amount) + ' ' +
        TextCodec::ToUtf8(entry.unit) + ' ' + TextCodec::ToUtf8(entry.name);
    const bool removing = command.kind == CommandLine::Kind::Delete;
    const float amount = static_cast<float>(NumberText::parse(command.amount));
    const FileIo::Result result = removing
        ? diary.store.RemoveMeals(day, meals.entries, {index})
        : diary.store.ChangeMealAmount(day, meals.entries, index, amount);
    if (result.problem == FileIo::Problem::Changed)
        return said("entry " + std::to_string(command.entry) + " of " + date +
                    " was changed elsewhere just now; nothing is changed. Look again with: "
                    "corvalo-cli day " +
                    date);
    if (!result.ok())
        return failed(diary, result, SaveProblem::Action::Save);
    if (removing)
        diary.out << "Removed from " << date << ": " << shown << '\n';
    else
        diary.out << "Changed on " << date << ": " << shown << " is now "
                  << MealRowLayout::amountText(amount) << ' ' << TextCodec::ToUtf8(entry.unit)
                  << '\n';
    if (result.changedElsewhere)
        diary.err << CommandLine::Program << ": " << date
                  << " was changed elsewhere meanwhile; what was stored there is kept\n";
    return 0;
}

} // namespace DayCommands
