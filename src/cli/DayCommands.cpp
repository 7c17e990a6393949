#include "DayCommands.h"

#include "export/DiaryExport.h"
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

} // namespace DayCommands
