// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DiaryMove.h"

#include "calendar/DayFiles.h"
#include "food/UserFoodTable.h"
#include "platform/Clock.h"
#include "platform/DataFolders.h"
#include "platform/DiaryLocation.h"
#include "platform/FileLock.h"
#include "recipes/RecipeBook.h"
#include "store/ConflictMerge.h"
#include "store/DiarySettings.h"
#include "store/HistoryScan.h"
#include "store/SaveProblem.h"

#include <ctime>
#include <optional>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace DiaryMove {

namespace {

enum class What { Day, OwnFoods, Recipes, Settings, Other };

struct Item
{
    std::string sub; // "db", "note", or empty for the folder itself
    std::string name;
    What what = What::Other;
    ConflictCopies::Kind kind = ConflictCopies::Kind::Meals;
    std::string bytes; // as read from the old folder
};

std::optional<fs::file_time_type> modifiedTime(const fs::path &path)
{
    std::error_code error;
    const fs::file_time_type time = fs::last_write_time(path, error);
    return error ? std::nullopt : std::optional(time);
}

// A day file of `sub` by its name, with its kind.
std::optional<ConflictCopies::Kind> dayKind(const std::string &sub, const std::string &name)
{
    if (sub == "db" && HistoryScan::DateOfFileName(name, "db"))
        return ConflictCopies::Kind::Meals;
    if (sub == "db" && HistoryScan::DateOfFileName(name, "wth"))
        return ConflictCopies::Kind::Weight;
    if (sub == "note" && HistoryScan::DateOfFileName(name, "txt"))
        return ConflictCopies::Kind::Note;
    return std::nullopt;
}

std::string shown(const fs::path &path)
{
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char *>(text.data()), text.size()};
}

bool isInside(const fs::path &inner, const fs::path &outer)
{
    std::error_code error;
    const fs::path a = fs::weakly_canonical(inner, error);
    const fs::path b = fs::weakly_canonical(outer, error);
    const fs::path relative = a.lexically_relative(b);
    return !relative.empty() && *relative.begin() != "..";
}

class Mover
{
public:
    Mover(const fs::path &from, const fs::path &to) : m_from(from), m_to(to) { }

    Summary run(const Remember &remember);

private:
    fs::path source(const Item &item) const { return m_from / item.sub / item.name; }
    fs::path target(const Item &item) const { return m_to / item.sub / item.name; }

    void problem(const FileIo::Result &result, SaveProblem::Action action, const fs::path &root)
    {
        m_summary.problems.push_back(SaveProblem::Describe(result, root, action));
    }
    void collect(const std::string &sub);
    void collectOwnFiles();
    void add(const std::string &sub, const fs::directory_entry &entry, What what,
             ConflictCopies::Kind kind = ConflictCopies::Kind::Meals);
    bool put(const Item &item);
    bool putKnown(const Item &item);
    bool putOther(const Item &item);
    bool write(const fs::path &path, std::string_view bytes, const fs::path &from);
    std::optional<fs::path> placeFor(const Item &item) const;
    void removeOld();

    fs::path m_from;
    fs::path m_to;
    std::vector<Item> m_items;
    std::set<std::string> m_daysCopied, m_daysMerged;
    Summary m_summary;
};

void Mover::add(const std::string &sub, const fs::directory_entry &entry, What what,
                ConflictCopies::Kind kind)
{
    Item item {sub, entry.path().filename().string(), what, kind, {}};
    if (const FileIo::Result read = FileIo::read(entry.path(), item.bytes); !read.ok()) {
        problem(read, SaveProblem::Action::Load, m_from);
        return;
    }
    m_items.push_back(std::move(item));
}

void Mover::collect(const std::string &sub)
{
    std::error_code error;
    fs::directory_iterator it(m_from / sub, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        // A sync engine's own markers (.stfolder, .stignore) belong to the old folder.
        if (name.empty() || name.front() == '.')
            continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            m_summary.notes.push_back(shown(it->path()) +
                                      " stays where it is: it is not a file of the diary");
            continue;
        }
        if (const auto kind = dayKind(sub, name))
            add(sub, *it, What::Day, *kind);
        else
            add(sub, *it, What::Other);
    }
    if (error && error != std::errc::no_such_file_or_directory)
        problem(FileIo::Result::failure(m_from / sub, error.value()), SaveProblem::Action::Load,
                m_from);
}

// Of the folder itself only the diary's own files: it may be the program's folder.
void Mover::collectOwnFiles()
{
    std::error_code error;
    fs::directory_iterator it(m_from, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        if (name == UserFoodTable::FileName)
            add({}, *it, What::OwnFoods, ConflictCopies::Kind::OwnFoods);
        else if (name == DiarySettings::FileName)
            add({}, *it, What::Settings);
        else if (name == RecipeBook::FileName)
            add({}, *it, What::Recipes);
        else if (const auto copy = ConflictCopies::Recognise(name);
                 (copy && copy->kind == ConflictCopies::Kind::OwnFoods) ||
                 ConflictCopies::CopyOf(name, RecipeBook::FileName))
            add({}, *it, What::Other);
    }
}

bool Mover::write(const fs::path &path, std::string_view bytes, const fs::path &from)
{
    if (const FileIo::Result written = FileIo::writeAtomically(path, bytes); !written.ok()) {
        problem(written, SaveProblem::Action::Save, m_to);
        return false;
    }
    // A copy keeps its time, which later joins go by (the newer weight wins).
    if (const auto time = modifiedTime(from)) {
        std::error_code ignored;
        fs::last_write_time(path, *time, ignored);
    }
    return true;
}

bool Mover::putKnown(const Item &item)
{
    const fs::path to = target(item);
    FileIo::Result failure;
    const std::optional<FileLock> lock = FileLock::acquire(to, false, failure);
    if (!lock && failure.problem != FileIo::Problem::Missing) {
        problem(failure, SaveProblem::Action::Save, m_to);
        return false;
    }
    std::string ours;
    if (lock) {
        if (const FileIo::Result read = FileIo::read(to, ours); !read.ok()) {
            problem(read, SaveProblem::Action::Load, m_to);
            return false;
        }
    }
    const std::string day = item.name.substr(0, item.name.find('.'));
    if (!lock) {
        if (!write(to, item.bytes, source(item)))
            return false;
        if (item.what == What::Day)
            m_daysCopied.insert(day);
        else
            ++m_summary.othersCopied;
        return true;
    }
    if (ours == item.bytes) {
        ++m_summary.filesSkipped;
        return true;
    }

    std::string merged;
    if (item.what == What::Settings) {
        merged = DiarySettings::Join(ours, item.bytes);
    } else if (item.what == What::Recipes) {
        merged = RecipeBook::join(ours, item.bytes);
    } else {
        const ConflictMerge::Found found {
            {item.kind, item.name,
             HistoryScan::DateOfFileName(item.name, to.extension().string().substr(1))},
            source(item),
            to};
        ConflictMerge::Sides sides;
        sides.ours = ours;
        sides.theirs = item.bytes;
        const auto theirTime = modifiedTime(source(item));
        const auto ourTime = modifiedTime(to);
        sides.theirsNewer = theirTime && (!ourTime || *theirTime > *ourTime);
        sides.read = FileIo::Result::success(to);
        merged = ConflictMerge::AutoMerge(found, sides);
    }
    if (merged != ours) {
        if (const FileIo::Result written = FileIo::writeAtomically(to, merged); !written.ok()) {
            problem(written, SaveProblem::Action::Save, m_to);
            return false;
        }
    }
    if (item.what == What::Day)
        m_daysMerged.insert(day);
    else
        ++m_summary.othersCopied;
    return true;
}

// Where a file the diary does not know goes: its own name when that is free, else a fresh one
// (a conflict copy stays one, so that it is offered to be joined; anything else gets a number).
// A name that already holds the same bytes, from an earlier move, means it is there: nothing.
std::optional<fs::path> Mover::placeFor(const Item &item) const
{
    const fs::path folder = m_to / item.sub;
    const std::optional<ConflictCopies::Copy> copy = ConflictCopies::Recognise(item.name);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::string name = item.name;
        if (attempt > 0 && copy) {
            std::tm local {};
            char stamp[32] = "";
            if (DayFiles::LocalTime(Clock::now() + attempt, local))
                std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H%M%S", &local);
            name = ConflictCopies::CopyName(copy->original, stamp);
        } else if (attempt > 0) {
            const fs::path path(item.name);
            name = path.stem().string() + " (" + std::to_string(attempt + 1) + ")" +
                path.extension().string();
        }
        std::error_code error;
        if (!fs::exists(fs::symlink_status(folder / name, error)))
            return folder / name;
        std::string theirs;
        if (FileIo::read(folder / name, theirs).ok() && theirs == item.bytes)
            return std::nullopt;
    }
    return fs::path();
}

bool Mover::putOther(const Item &item)
{
    const std::optional<fs::path> to = placeFor(item);
    if (!to) {
        ++m_summary.filesSkipped;
        return true;
    }
    if (to->empty()) {
        problem(FileIo::Result::failure(target(item), FileIo::Problem::Other),
                SaveProblem::Action::Save, m_to);
        return false;
    }
    if (!write(*to, item.bytes, source(item)))
        return false;
    ++m_summary.othersCopied;
    return true;
}

bool Mover::put(const Item &item)
{
    return item.what == What::Other ? putOther(item) : putKnown(item);
}

void Mover::removeOld()
{
    bool all = true;
    for (const Item &item : m_items) {
        // A writer that changed the file during the move must not lose it.
        std::string now;
        if (!FileIo::read(source(item), now).ok() || now != item.bytes) {
            m_summary.problems.push_back(
                shown(source(item)) +
                " changed during the move and stays in the old folder; move again to bring it "
                "over");
            all = false;
            continue;
        }
        if (const FileIo::Result removed = FileIo::remove(source(item)); !removed.ok()) {
            problem(removed, SaveProblem::Action::Remove, m_from);
            all = false;
        }
    }
    std::error_code ignored; // only when empty; anything else in them stays
    fs::remove(m_from / "db", ignored);
    fs::remove(m_from / "note", ignored);
    m_summary.removedOld = all;
}

Summary Mover::run(const Remember &remember)
{
    std::error_code error;
    if (fs::equivalent(m_from, m_to, error)) {
        m_summary.problems.push_back("the diary is already in " + shown(m_to));
        return m_summary;
    }
    if (isInside(m_to, m_from / "db") || isInside(m_to, m_from / "note")) {
        m_summary.problems.push_back(shown(m_to) + " lies inside the diary it would receive");
        return m_summary;
    }
    fs::create_directories(m_to, error);
    if (const FileIo::Result ready =
            error ? FileIo::Result::failure(m_to, error.value()) : DataFolders::Prepare(m_to);
        !ready.ok()) {
        problem(ready, SaveProblem::Action::Save, {});
        return m_summary;
    }

    collect("db");
    collect("note");
    collectOwnFiles();
    if (!m_summary.ok())
        return m_summary; // not all could be read: nothing is touched

    for (const Item &item : m_items)
        put(item);
    m_summary.daysCopied = int(m_daysCopied.size());
    m_summary.daysMerged = int(m_daysMerged.size());
    if (!m_summary.ok())
        return m_summary;

    if (const FileIo::Result stored = remember(m_to); !stored.ok()) {
        m_summary.problems.push_back("the new diary folder could not be remembered: " +
                                     SaveProblem::Describe(stored, {}));
        return m_summary;
    }
    m_summary.remembered = true;
    removeOld();
    return m_summary;
}

Remember orDefault(const Remember &remember)
{
    if (remember)
        return remember;
    return [](const fs::path &folder) {
        return DiaryLocation::Remember(folder);
    };
}

} // namespace

Summary Move(const fs::path &from, const fs::path &to, const Remember &remember)
{
    std::error_code error;
    const fs::path source = fs::absolute(from, error);
    const fs::path target = fs::absolute(to, error);
    return Mover(source, target).run(orDefault(remember));
}

Summary Open(const fs::path &to, const Remember &remember)
{
    Summary summary;
    std::error_code error;
    const fs::path folder = fs::absolute(to, error);
    if (error || !fs::is_directory(folder, error)) {
        summary.problems.push_back(shown(to) + " is not a folder");
        return summary;
    }
    if (const FileIo::Result ready = DataFolders::Prepare(folder); !ready.ok()) {
        summary.problems.push_back(SaveProblem::Describe(ready, {}));
        return summary;
    }
    if (const FileIo::Result stored = orDefault(remember)(folder); !stored.ok()) {
        summary.problems.push_back("the diary folder could not be remembered: " +
                                   SaveProblem::Describe(stored, {}));
        return summary;
    }
    summary.remembered = true;
    return summary;
}

} // namespace DiaryMove
