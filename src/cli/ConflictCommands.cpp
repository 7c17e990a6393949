// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConflictCommands.h"

#include "CommandLine.h"
#include "Commands.h"
#include "export/DiaryExport.h"
#include "meals/MealRecord.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
#include "recipes/RecipeBook.h"
#include "store/ConflictMerge.h"
#include "store/NoteFile.h"
#include "store/SaveProblem.h"
#include "store/WeightFile.h"

#include <ostream>

namespace fs = std::filesystem;

namespace ConflictCommands {

namespace {

std::string dayText(const ConflictMerge::Found &found)
{
    if (!found.copy.day)
        return "-";
    return DiaryExport::IsoDate(DayFiles::LocalDateOf(*found.copy.day));
}

// What a merged file would hold, as `day` prints a day.
void describe(const ConflictMerge::Found &found, const std::string &bytes, std::ostream &out)
{
    using ConflictCopies::Kind;
    switch (found.copy.kind) {
    case Kind::Meals:
        for (const MealEntry &entry : MealRecord::Decode(bytes).entries)
            out << NumberText::fixed(entry.amount, 1) << ' ' << TextCodec::ToUtf8(entry.unit)
                << '\t' << TextCodec::ToUtf8(entry.name) << '\n';
        break;
    case Kind::Weight:
        if (const auto weight = WeightFile::Decode(bytes))
            out << "weight " << NumberText::fixed(*weight, 1) << '\n';
        break;
    case Kind::Note:
        out << TextCodec::ToUtf8(NoteFile::FromFileBytes(bytes)) << '\n';
        break;
    case Kind::OwnFoods:
        out << TextCodec::ToUtf8(bytes);
        break;
    }
}

} // namespace

int List(const fs::path &root, const Streams &streams)
{
    for (const ConflictMerge::Found &found : ConflictMerge::List(root))
        streams.out << dayText(found) << '\t' << ConflictCopies::KindWord(found.copy.kind) << '\t'
                    << found.path.filename().string() << '\n';
    for (const fs::path &copy : ConflictMerge::RecipeCopies(root))
        streams.out << "-\trecipes\t" << copy.filename().string() << '\n';
    return Commands::Done;
}

int MergeRecipes(const fs::path &root, bool dryRun, const Streams &streams)
{
    const std::vector<fs::path> copies = ConflictMerge::RecipeCopies(root);
    if (copies.empty()) {
        streams.err << CommandLine::Program << ": no conflict copies for your recipes\n";
        return Commands::Done;
    }
    if (dryRun) {
        std::string joined;
        FileIo::Result read = FileIo::read(root / RecipeBook::FileName, joined);
        if (read.problem == FileIo::Problem::Missing)
            read = FileIo::Result::success(root / RecipeBook::FileName);
        for (std::size_t i = 0; read.ok() && i < copies.size(); ++i) {
            std::string theirs;
            read = FileIo::read(copies[i], theirs, RecipeBook::MaxBytes);
            joined = RecipeBook::join(joined, theirs);
        }
        if (!read.ok()) {
            streams.err << CommandLine::Program << ": "
                        << SaveProblem::Describe(read, root, SaveProblem::Action::Load) << '\n';
            return Commands::Failed;
        }
        streams.out << joined;
        return Commands::Done;
    }
    const ConflictMerge::RecipesJoined done = ConflictMerge::JoinRecipeCopies(root);
    for (const fs::path &copy : done.copies)
        streams.out << "Merged " << copy.filename().string() << " into " << RecipeBook::FileName
                    << '\n';
    for (const FileIo::Result &problem : done.problems)
        streams.err << CommandLine::Program << ": "
                    << SaveProblem::Describe(problem, root, SaveProblem::Action::Save) << '\n';
    return done.problems.empty() ? Commands::Done : Commands::Failed;
}

int Merge(const fs::path &root, const std::optional<DayFiles::LocalDate> &day, bool dryRun,
          const std::string &keep, const Streams &streams)
{
    int merged = 0;
    int status = Commands::Done;
    for (const ConflictMerge::Found &found : ConflictMerge::List(root)) {
        const bool wanted = day ? found.copy.day && DayFiles::LocalDateOf(*found.copy.day) == *day
                                : found.copy.kind == ConflictCopies::Kind::OwnFoods;
        if (!wanted)
            continue;
        ++merged;
        const ConflictMerge::Sides sides = ConflictMerge::Read(found);
        if (!sides.read.ok()) {
            streams.err << CommandLine::Program << ": "
                        << SaveProblem::Describe(sides.read, root, SaveProblem::Action::Load)
                        << '\n';
            status = Commands::Failed;
            continue;
        }
        const std::string result = keep == "ours" ? sides.ours
            : keep == "theirs"                    ? sides.theirs
                                                  : ConflictMerge::AutoMerge(found, sides);
        if (dryRun) {
            streams.out << "# " << found.copy.original << " with " << found.path.filename().string()
                        << ":\n";
            describe(found, result, streams.out);
            continue;
        }
        const FileIo::Result written = keep == "ours"
            ? ConflictMerge::KeepOurs(found)
            : ConflictMerge::Resolve(found, sides.ours, result);
        if (!written.ok()) {
            streams.err << CommandLine::Program << ": "
                        << SaveProblem::Describe(written, root, SaveProblem::Action::Save) << '\n';
            status = Commands::Failed;
            continue;
        }
        streams.out << "Merged " << found.path.filename().string() << " into "
                    << found.copy.original << '\n';
    }
    if (merged == 0)
        streams.err << CommandLine::Program << ": no conflict copies for "
                    << (day ? DiaryExport::IsoDate(*day) : std::string("your own foods")) << '\n';
    return status;
}

} // namespace ConflictCommands
