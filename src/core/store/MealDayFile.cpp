// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/MealDayFile.h"

#include "meals/MealRebase.h"
#include "meals/MealRecord.h"
#include "platform/FileIo.h"
#include "platform/FileLock.h"

namespace MealDayFile {

namespace {

FileIo::Result replaceWith(const std::filesystem::path &path,
                           const std::optional<std::string> &image)
{
    if (!image)
        return FileIo::Result::failure(path, FileIo::Problem::Changed);
    if (image->empty())
        return FileIo::remove(path);
    return FileIo::writeAtomically(path, *image);
}

} // namespace

Day Load(const std::filesystem::path &path)
{
    Day day;
    const auto size = FileIo::regularFileSize(path);
    if (!size || *size == 0)
        return day;
    const auto image = FileIo::readAll(path);
    if (!image) {
        day.readable = false;
        return day;
    }
    MealRecord::Decoded decoded = MealRecord::Decode(*image);
    day.entries = std::move(decoded.entries);
    day.wholeBytes = decoded.consumed;
    day.totals = MealRecord::Totals(day.entries);
    return day;
}

bool Readable(const std::filesystem::path &path)
{
    const auto size = FileIo::regularFileSize(path);
    return !size || *size == 0 || FileIo::readAll(path).has_value();
}

namespace {

// Larger appends replace the file instead: a writer killed halfway through one long write would
// leave part of it behind, and a copy is all or nothing.
constexpr std::size_t MaxAppendBytes = 64 * 1024;

FileIo::Result appendRecords(const std::filesystem::path &path, const std::string &records,
                             std::optional<std::uintmax_t> wholeEnd)
{
    // Held until the records are in: a second appender waits rather than rewriting the file
    // from an image that lacks what the first one adds.
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(path, true, failure);
    if (!lock)
        return failure;
    const auto size = FileIo::regularFileSize(path);
    if (size && *size > 0 && (size != wholeEnd || records.size() > MaxAppendBytes)) {
        // A day the list cannot show (too large, unreadable) gets nothing it would never show.
        std::string image;
        if (const FileIo::Result read = FileIo::read(path, image); !read.ok())
            return read;
        const std::size_t whole = MealRecord::WholeBytes(image);
        if (whole != image.size() || records.size() > MaxAppendBytes)
            return FileIo::writeAtomically(path, image.substr(0, whole) + records);
    }
    if (records.size() > MaxAppendBytes) {
        const FileIo::Result written = FileIo::writeAtomically(path, records);
        if (!written.ok() && lock->created())
            (void)FileIo::remove(path);
        return written;
    }
    return FileIo::append(path, records);
}

} // namespace

FileIo::Result AppendMealRecord(const std::filesystem::path &path, const MealEntry &entry,
                                std::optional<std::uintmax_t> wholeEnd)
{
    return appendRecords(path, MealRecord::Encode(entry), wholeEnd);
}

FileIo::Result AppendMealRecords(const std::filesystem::path &path,
                                 const std::vector<MealEntry> &entries,
                                 std::optional<std::uintmax_t> wholeEnd)
{
    std::string records;
    for (const MealEntry &entry : entries)
        records += MealRecord::Encode(entry);
    if (records.empty())
        return FileIo::Result::success(path);
    return appendRecords(path, records, wholeEnd);
}

FileIo::Result Rewrite(const std::filesystem::path &path, const std::vector<MealEntry> &entries,
                       bool skipTicked)
{
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(path, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing)
        return failure;
    std::string image;
    for (const MealEntry &entry : entries) {
        if (!(skipTicked && entry.ticked))
            image += MealRecord::Encode(entry);
    }
    if (image.empty())
        return FileIo::remove(path);
    return FileIo::writeAtomically(path, image);
}

FileIo::Result RemoveRecords(const std::filesystem::path &path,
                             const std::vector<std::size_t> &removed, std::size_t expected)
{
    // Held from the read to the rename: an append in between would be lost with the old file.
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(path, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing)
        return failure;
    std::string image;
    if (const FileIo::Result read = FileIo::read(path, image);
        !read.ok() && read.problem != FileIo::Problem::Missing)
        return read;
    return replaceWith(path, MealRecord::WithoutRecords(image, removed, expected));
}

FileIo::Result ChangeAmount(const std::filesystem::path &path, std::size_t index, float amount,
                            std::size_t expected)
{
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(path, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing)
        return failure;
    std::string image;
    if (const FileIo::Result read = FileIo::read(path, image);
        !read.ok() && read.problem != FileIo::Problem::Missing)
        return read;
    return replaceWith(path, MealRecord::WithAmount(image, index, amount, expected));
}

FileIo::Result Clear(const std::filesystem::path &path)
{
    // An append waiting for the file finds it gone and starts a new one.
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(path, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing &&
        failure.problem != FileIo::Problem::NotAFile)
        return failure;
    return FileIo::remove(path);
}

namespace {

// The change made to the image the file holds now, under the file's lock; marked as made to a
// file that had changed when the image is not the one shown.
template<typename Change>
FileIo::Result changeShown(const std::filesystem::path &path, std::string_view shownImage,
                           const Change &change)
{
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(path, false, failure);
    std::string image;
    if (lock) {
        if (const FileIo::Result read = FileIo::read(path, image); !read.ok())
            return read;
    } else if (failure.problem != FileIo::Problem::Missing) {
        return failure;
    }
    image.resize(MealRecord::WholeBytes(image));
    const std::optional<std::string> changed = change(image);
    if (!changed)
        return FileIo::Result::failure(path, FileIo::Problem::Changed);
    if (*changed == image)
        return FileIo::Result::success(path);
    FileIo::Result result = replaceWith(path, changed);
    result.changedElsewhere = image != shownImage;
    return result;
}

} // namespace

FileIo::Result RemoveShown(const std::filesystem::path &path, std::string_view shownImage,
                           const std::vector<std::size_t> &removed)
{
    return changeShown(path, shownImage, [&](std::string_view now) {
        return MealRebase::Remove(shownImage, removed, now);
    });
}

FileIo::Result ChangeShownAmount(const std::filesystem::path &path, std::string_view shownImage,
                                 std::size_t index, float amount)
{
    return changeShown(path, shownImage, [&](std::string_view now) {
        return MealRebase::ChangeAmount(shownImage, index, amount, now);
    });
}

FileIo::Result ReplaceShown(const std::filesystem::path &path, std::string_view shownImage,
                            std::size_t index, const std::vector<MealEntry> &entries)
{
    const std::string records = ImageOf(entries);
    return changeShown(path, shownImage, [&](std::string_view now) {
        return MealRebase::Replace(shownImage, index, records, now);
    });
}

std::string ImageOf(const std::vector<MealEntry> &entries)
{
    std::string image;
    for (const MealEntry &entry : entries)
        image += MealRecord::Encode(entry);
    return image;
}

} // namespace MealDayFile
