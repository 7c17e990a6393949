// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "meals/MealEntry.h"
#include "platform/FileIo.h"
#include "store/UndoStep.h"

#include <QObject>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

class DayStore;
class DayWriter;
class QAbstractItemModel;
namespace MealDayFile {
struct Day;
}

// The day the meal list shows: its rows, as a model for the view, and every change to them and
// to the day's file, in the order the user made them. Row i always holds entry i. A small day's
// change is written through the store at once, checked against what the file holds now, and the
// day is read again, so that the rows, the totals and the file always agree.
//
// A large day (a file of LargeDayBytes or more) never holds up the window: its DayWriter reads it
// on a worker thread while the day is loading, and its changes are made to the rows at once and
// written to the file by that worker, one after the other in the order they were made. A write
// that fails reloads the day, so that the rows show what the file holds.
//
// The view learns of every new set of rows by two signals: replacing() before the rows change,
// shown() once they are there, with where it should place them.
class MealDayKeeper : public QObject
{
    Q_OBJECT

public:
    using Day = DayFiles::LocalDate;
    static constexpr std::uintmax_t LargeDayBytes = 256 * 1024;

    enum class Shown {
        Loading, // a large day is being read: no rows yet
        Loaded, // the day as read: the newest rows
        Changed, // after the user's change: nothing ticked or selected, the newest rows
        Rebased, // another writer's change: rows still there keep their ticks and selection
    };

    explicit MealDayKeeper(QObject *parent = nullptr);
    // What was handed to the worker is written before the keeper goes.
    ~MealDayKeeper() override;

    // Where the days are kept; not owned.
    void setStore(DayStore *store);
    DayStore *store() const { return m_store; }
    // The rows as Qt's views see them.
    QAbstractItemModel *model() const;
    const std::vector<MealEntry> &entries() const { return m_entries; }
    const Day &day() const { return m_day; }
    bool isLoading() const { return m_loading; }

    // The day (the current day from now on, with entries or without), read at once or, when
    // large, on the worker.
    void Load(const Day &day);
    // What the file holds now, when another writer changed it; `selected` is the row the view
    // has selected (-1: none). A file that holds what is shown changes nothing.
    void Refresh(int selected);
    // Removes the ticked rows from the day's file (false: removes none).
    void Save(bool skipTicked);
    // Removes the rows shown from the day's file.
    void Clear();
    // Logs the entries for the current day, in one write.
    void Append(const std::vector<MealEntry> &entries);
    void Append(const MealEntry &entry);
    // The row's amount, one that can be logged.
    void ChangeAmount(int index, float amount);
    // The row replaced by the entries (a recipe split into its ingredients), in one rewrite.
    void Replace(int index, const std::vector<MealEntry> &entries);
    // Logs for `to`, shown or not, every meal of `from`; the entries for `day`. copied() follows.
    void Copy(const Day &from, const Day &to);
    void AppendTo(const Day &day, std::vector<MealEntry> entries);

    // A row for the entry, added to the rows only; its index.
    int addRow(const MealEntry &entry);
    void toggleTick(int index);

signals:
    // The rows are about to be replaced: an editor open on one must close.
    void replacing();
    // The rows are there, and the day's totals; `selected` is the row to select after Rebased.
    void shown(MealDayKeeper::Shown how, const Nutrients &totals, int selected);
    // The outcome of every write handed to the store or the worker, and of every read.
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);
    // A copy (Copy, AppendTo) is in its day's file, or failed and said so.
    void copied();
    // A write that can be taken back (DayWriter::undoable).
    void undoable(const std::shared_ptr<const UndoStep> &step, const QString &what);

private:
    class Rows;

    void replaceEntries(std::vector<MealEntry> entries);
    // A large day: read by the writer, changed in memory and written there.
    void startLoading(const std::filesystem::path &file);
    void loaded(std::uint64_t generation, MealDayFile::Day &day);
    // Whether the rows still show the file as they did when `generation` was current.
    bool showsFile(const std::filesystem::path &file, std::uint64_t generation) const;
    void appendLarge(const std::vector<MealEntry> &entries);
    void removeTickedLarge();
    void changeAmountLarge(int index, float amount);
    // What a reload after a change would show: nothing ticked or selected, the newest rows.
    void showChanged();
    // One more term at the end of the sums, as a reload would add it.
    void addToTotals(const MealEntry &entry);

    DayStore *m_store = nullptr;
    std::vector<MealEntry> m_entries;
    Rows *m_rows = nullptr;
    Day m_day;
    bool m_large = false;
    bool m_loading = false;
    bool m_readable = true;
    // Tells a load's result for the day shown from one that comes too late.
    std::uint64_t m_generation = 0;
    // Where the large day's file ends after the writes handed to the worker, when known.
    std::optional<std::uintmax_t> m_wholeEnd;
    Nutrients m_totals {};
    // Entries added while the day loads: written already, shown when the rows arrive.
    std::vector<MealEntry> m_waiting;
    // Every read and write of a day's file goes through it, in order.
    DayWriter *m_writer = nullptr;
};
