// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "meals/MealEntry.h"
#include "platform/FileIo.h"
#include "store/DayStore.h"
#include "store/UndoStep.h"

#include <QObject>
#include <QThreadPool>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace MealDayFile {
struct Day;
}

// The one way from the meal list to the day files. A large day is read and written on one
// worker thread, so reads and writes of a file run in the order they were handed over and never
// hold up the window; a small day is written at once through the store. Every outcome is told
// by signals: what was read, what was saved or could not be opened, which write failed, and
// what can be taken back.
//
// Each read or write carries the tag of the view that asked for it, so that the view can tell
// an answer for what it shows from one that comes too late.
class DayWriter : public QObject
{
    Q_OBJECT

public:
    using Day = DayFiles::LocalDate;

    // A change to what a day's file holds, made in the view's rows already.
    struct Rewrite
    {
        enum class Kind { RemoveTicked, ChangeAmount, Clear, Replace };
        Kind kind = Kind::Clear;
        // RemoveTicked: the positions of the rows removed, in order.
        std::vector<std::size_t> removed;
        // ChangeAmount: the row and its new amount.
        std::size_t index = 0;
        float amount = 0;
        // Replace: the row at `index` becomes these entries.
        std::vector<MealEntry> replacement;
        // How many records the file holds as the view saw it.
        std::size_t expected = 0;
    };

    explicit DayWriter(QObject *parent = nullptr);
    // What was handed to the worker is written before the writer goes.
    ~DayWriter() override;

    // Where the days are kept; not owned.
    void setStore(DayStore *store) { m_store = store; }
    DayStore *store() const { return m_store; }
    // The calories of the rows the view with `tag` shows for `file`, when it shows that file and
    // its rows are whole; learnt after a write so that the chart need not read the file again.
    using ShownCalories =
        std::function<std::optional<double>(const std::filesystem::path &, std::uint64_t tag)>;
    void setShownCalories(ShownCalories shown) { m_shownCalories = std::move(shown); }

    // Whether writes to the file are handed to the worker and not finished.
    bool busy(const std::filesystem::path &file) const { return m_pending.contains(file); }

    // Reads the file on the worker, after the writes handed over before; dayRead follows.
    void read(const std::filesystem::path &file, std::uint64_t tag);

    // Every rewrite of a day's meals. Queued: made to the file on the worker, in order; else at
    // once, from `rows`, the whole day as the view showed it before the change, to what the file
    // holds now (DayStore::RemoveMeals, ChangeMealAmount). A Clear without rows removes the file.
    void rewrite(const Day &day, const Rewrite &change, const std::vector<MealEntry> &rows,
                 bool queued, std::uint64_t tag);
    // The entries at the end of the day's file. Queued: on the worker, checked to end at `end`
    // when given; a copy says copied() when written.
    void append(const Day &day, const std::vector<MealEntry> &entries, bool queued,
                std::uint64_t tag, std::optional<std::uintmax_t> end = std::nullopt,
                bool copy = false);
    // One entry of a small day, at once.
    void appendOne(const Day &day, const MealEntry &entry);
    // Every meal of `from` appended to `to`, then copied(). Queued: read and written on the
    // worker, after what it was given before.
    void copy(const Day &from, const Day &to, bool queued, std::uint64_t tag);

    // The outcome of a write of the file `target`, or of a copy to it, as saved() or opened().
    void tell(const FileIo::Result &result, const std::filesystem::path &target);

signals:
    // The file read for the view with `tag`.
    void dayRead(std::uint64_t tag, const std::shared_ptr<MealDayFile::Day> &day);
    // The outcome of every write, and of every read that failed.
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);
    // A queued write to `file` for the view with `tag` failed: the file is as it was.
    void writeFailed(std::uint64_t tag, const std::filesystem::path &file);
    // A copy is in its day's file, or failed and said so.
    void copied();
    // A write that can be taken back; `what` says what it did, in the user's words.
    void undoable(const std::shared_ptr<const UndoStep> &step, const QString &what);

private:
    using Write = std::function<FileIo::Result(const std::filesystem::path &)>;
    // Runs `write` on the day's file and offers what it changed as undoable().
    FileIo::Result undoably(const Day &day, const QString &what,
                            const std::function<FileIo::Result()> &write);
    // What a change did, in the user's words, given how many records it added (less than
    // none when it removed some).
    using Said = std::function<QString(std::ptrdiff_t records)>;
    static QString clearedText(std::size_t count);
    static QString deletedText(std::size_t count);
    static QString addedText(std::size_t count);
    static QString changedAmountText();
    static QString changedListText();
    static QString copiedText(std::size_t count, const Day &to);
    void queue(const Day &day, Write write, std::uint64_t tag, bool copy, Said what);
    void written(const DayStore::OutsideWrite &ticket, const FileIo::Result &result,
                 std::optional<double> calories, std::uint64_t tag, bool copy);

    DayStore *m_store = nullptr;
    ShownCalories m_shownCalories;
    // Writes handed to the worker and not finished, by file.
    std::map<std::filesystem::path, int> m_pending;
    // One thread: reads and writes run in the order they were asked for.
    QThreadPool m_worker;
};
