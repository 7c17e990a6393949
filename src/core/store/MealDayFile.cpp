#include "store/MealDayFile.h"

#include "meals/MealRecord.h"
#include "platform/FileIo.h"

namespace MealDayFile {

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
    day.entries = MealRecord::Decode(*image).entries;
    day.totals = MealRecord::Totals(day.entries);
    return day;
}

FileIo::Result AppendMealRecord(const std::filesystem::path &path, const MealEntry &entry)
{
    const std::string record = MealRecord::Encode(entry);
    const auto size = FileIo::regularFileSize(path);
    if (size && *size > 0) {
        // A day the list cannot show (too large, unreadable) gets nothing it would never show.
        std::string image;
        if (const FileIo::Result read = FileIo::read(path, image); !read.ok())
            return read;
        const std::size_t whole = MealRecord::Decode(image).consumed;
        if (whole != image.size())
            return FileIo::writeAtomically(path, image.substr(0, whole) + record);
    }
    return FileIo::append(path, record);
}

FileIo::Result Rewrite(const std::filesystem::path &path, const std::vector<MealEntry> &entries,
                       bool skipTicked)
{
    std::string image;
    for (const MealEntry &entry : entries) {
        if (!(skipTicked && entry.ticked))
            image += MealRecord::Encode(entry);
    }
    if (image.empty())
        return FileIo::remove(path);
    return FileIo::writeAtomically(path, image);
}

FileIo::Result Clear(const std::filesystem::path &path)
{
    return FileIo::remove(path);
}

} // namespace MealDayFile
