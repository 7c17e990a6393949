#include "ConflictCommands.h"

#include "CommandLine.h"
#include "Commands.h"
#include "export/DiaryExport.h"
#include "meals/MealRecord.h"
#include "platform/NumberText.h"
#include "platform/TextCodec.h"
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
    return Commands::Done;
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
