// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ConflictMerge.h"

#include "food/UserFoodTable.h"
#include "platform/FileLock.h"
#include "recipes/RecipeBook.h"
#include "store/DayMerge.h"
#include "store/NoteFile.h"
#include "store/WeightFile.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace ConflictMerge {

namespace {

void listFolder(const fs::path &folder, std::vector<Found> &found)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (const auto copy = ConflictCopies::Recognise(name))
            found.push_back({*copy, it->path(), folder / copy->original});
    }
}

std::optional<fs::file_time_type> modified(const fs::path &path)
{
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return time;
}

FileIo::Result readSide(const fs::path &path, std::string &bytes)
{
    FileIo::Result read = FileIo::read(path, bytes);
    if (read.problem == FileIo::Problem::Missing) {
        bytes.clear();
        return FileIo::Result::success(path);
    }
    return read;
}

} // namespace

std::vector<Found> List(const fs::path &root)
{
    std::vector<Found> found;
    listFolder(root / "db", found);
    listFolder(root / "note", found);
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (const auto copy = ConflictCopies::Recognise(name);
            copy && copy->kind == ConflictCopies::Kind::OwnFoods)
            found.push_back({*copy, it->path(), root / copy->original});
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return std::pair(a.copy.day.value_or(0), a.path.filename().string()) <
            std::pair(b.copy.day.value_or(0), b.path.filename().string());
    });
    return found;
}

Sides Read(const Found &found)
{
    Sides sides;
    sides.read = readSide(found.original, sides.ours);
    if (sides.read.ok())
        sides.read = FileIo::read(found.path, sides.theirs);
    const auto ours = modified(found.original);
    const auto theirs = modified(found.path);
    sides.theirsNewer = theirs && (!ours || *theirs > *ours);
    return sides;
}

namespace {

// Writes `merged` as the original when it still holds `oursRead`, then removes the copy.
FileIo::Result resolveInto(const fs::path &original, const fs::path &copy,
                           std::string_view oursRead, std::string_view merged, bool emptyRemoves)
{
    {
        FileIo::Result failure;
        const std::optional<FileLock> lock = FileLock::acquire(original, false, failure);
        if (!lock && failure.problem != FileIo::Problem::Missing)
            return failure;
        std::string now;
        if (lock) {
            if (const FileIo::Result read = FileIo::read(original, now); !read.ok())
                return read;
        }
        if (now != oursRead)
            return FileIo::Result::failure(original, FileIo::Problem::Changed);
        if (merged != now) {
            const FileIo::Result written = merged.empty() && emptyRemoves
                ? FileIo::remove(original)
                : FileIo::writeAtomically(original, merged);
            if (!written.ok())
                return written;
        }
    }
    return FileIo::remove(copy);
}

} // namespace

FileIo::Result Resolve(const Found &found, std::string_view oursRead, std::string_view merged)
{
    return resolveInto(found.original, found.path, oursRead, merged,
                       found.copy.kind == ConflictCopies::Kind::Meals);
}

std::vector<fs::path> RecipeCopies(const fs::path &root)
{
    std::vector<fs::path> copies;
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (ConflictCopies::CopyOf(it->path().filename().string(), RecipeBook::FileName))
            copies.push_back(it->path());
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

RecipesJoined JoinRecipeCopies(const fs::path &root)
{
    RecipesJoined joined;
    const fs::path original = root / RecipeBook::FileName;
    for (const fs::path &copy : RecipeCopies(root)) {
        std::string ours, theirs;
        FileIo::Result done = readSide(original, ours);
        if (done.ok())
            done = FileIo::read(copy, theirs, RecipeBook::MaxBytes);
        if (done.ok())
            done = resolveInto(original, copy, ours, RecipeBook::join(ours, theirs), false);
        if (done.ok())
            joined.copies.push_back(copy);
        else
            joined.problems.push_back(done);
    }
    return joined;
}

FileIo::Result KeepOurs(const Found &found)
{
    return FileIo::remove(found.path);
}

std::string AutoMerge(const Found &found, const Sides &sides)
{
    switch (found.copy.kind) {
    case ConflictCopies::Kind::Meals:
        return DayMerge::MealImage(DayMerge::Meals(sides.ours, sides.theirs));
    case ConflictCopies::Kind::Weight: {
        // The newer of the weights that are weights.
        const auto usable = [](const std::string &bytes) {
            const std::optional<float> weight = WeightFile::Decode(bytes);
            return weight && *weight > 0.0f;
        };
        return usable(sides.theirs) && (sides.theirsNewer || !usable(sides.ours)) ? sides.theirs
                                                                                  : sides.ours;
    }
    case ConflictCopies::Kind::Note:
        return NoteFile::ToFileBytes(DayMerge::Notes(NoteFile::FromFileBytes(sides.ours),
                                                     NoteFile::FromFileBytes(sides.theirs)));
    case ConflictCopies::Kind::OwnFoods:
        return DayMerge::OwnFoods(sides.ours, sides.theirs,
                                  [&](const std::string &) { return sides.theirsNewer; });
    }
    return sides.ours;
}

} // namespace ConflictMerge
