#pragma once

#include "calendar/DayFiles.h"
#include "controls/BackgroundSlice.h"
#include "meals/MealEntry.h"
#include "meals/MealRowLayout.h"
#include "meals/MealRowPainter.h"
#include "platform/FileIo.h"
#include "store/DayStore.h"

#include <QAbstractItemView>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

class CElements;
class DayStore;
class DayWriter;
class FocusRing;
class QLineEdit;
class QMenu;
namespace MealDayFile {
struct Day;
}

// The day's meal list: one row per entry with a tick box, the name, the amount in a framed cell
// that edits in place, and the unit. The list shows one day of the store; every change is handed
// to the store at once and the list is reloaded from it, so the rows, the totals on the panel and
// the file always agree. Row i always holds entry i. From the keyboard: Up and Down move, Space
// ticks, F2 or Enter edits the amount (Enter keeps it, Escape drops it).
//
// Rows are all one height, so the list places them by arithmetic alone: a day of any length
// costs the same to show.
//
// A large day (a file of LargeDayBytes or more) never holds up the window: its DayWriter reads it
// on a worker thread while the list says it is loading, and its changes are made to the rows at
// once and written to the file by that worker, one after the other in the order they were made.
// A write that fails reloads the day, so that the rows show what the file holds.
class CMealsList : public QAbstractItemView
{
    Q_OBJECT

public:
    static constexpr std::uintmax_t LargeDayBytes = 256 * 1024;

    explicit CMealsList(QWidget *parent = nullptr);
    ~CMealsList() override;

    // The panel that receives the day totals after each load; not owned.
    void setPanel(CElements *panel) { m_panel = panel; }
    // Where the days are kept; not owned.
    void setStore(DayStore *store);

    // Shows the day (which becomes the current day even when it has no entries yet), scrolled to
    // its newest entries, and hands the totals to the panel.
    void LoadMeals(const DayFiles::LocalDate &day);
    // Shows what the day's file holds now when another writer changed it, keeping the ticks and
    // the selection of the rows that are still there; a file that holds what is shown changes
    // nothing. Put off while an amount is being edited.
    void RefreshFromFile();
    // Removes the ticked rows from the current day's file (false: removes none); reloads.
    void SaveMeals(bool skipTicked);
    // Removes the current day's entries; reloads.
    void ClearMeals();
    // Logs one more entry for the current day; reloads.
    void AppendMeal(const MealEntry &entry);
    // Logs the entries for the current day, in one write, as AppendMeal logs each.
    void AppendMeals(const std::vector<MealEntry> &entries);
    // Logs for `to`, shown or not, every meal of `from`; the entries for `day`. A large copy is
    // read and written by the worker, in order with the list's other reads and writes, so that
    // it never holds up the window; copied() follows once it is written.
    void CopyMeals(const DayFiles::LocalDate &from, const DayFiles::LocalDate &to);
    void AppendMealsTo(const DayFiles::LocalDate &day, std::vector<MealEntry> entries);

    // The list's context menu, owned by the caller: copy the ticked entries (all when none is
    // ticked) to today, or the meals of the day before into this day.
    QMenu *ContextMenu();

    // Adds a row for the entry and returns its index.
    int AppendEntry(const MealEntry &entry);
    // The selected entry's contribution to each nutrient; false, `out` untouched, without one.
    bool GetSelectedContribution(Nutrients &out) const;

    const std::vector<MealEntry> &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    int currentRow() const { return currentIndex().row(); }
    void setCurrentRow(int row);
    // Whether a large day is still being read: its rows are not there yet.
    bool isLoading() const { return m_loading; }
    const DayFiles::LocalDate &day() const { return m_day; }
    const MealRowLayout &rowLayout() const { return m_layout; }
    int topRow() const;
    int editRow() const { return m_editRow; }
    QLineEdit *amountEditor() const { return m_amountEdit; }

signals:
    // The user moved the selection (mouse or keys); reloads do not count.
    void mealSelectionChanged();
    // The list lost the keyboard focus, also to its own amount editor.
    void focusLost();
    // The outcome of every write the list handed to the store, and of every load.
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);
    // An edited amount was not taken: the text is no amount that can be logged.
    void amountRefused(const QString &typed);
    // A copy (CopyMeals, AppendMealsTo) is in its day's file, or failed and said so.
    void copied();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

    // Rows of ItemHeight from the top row shown; scrolling is by whole rows.
    QRect visualRect(const QModelIndex &index) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint &point) const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;
    void updateGeometries() override;

private:
    enum class CommitOn { Enter, FocusLoss };
    class Rows;

    void BeginAmountEdit(int index, int visibleRow);
    void CommitAmountEdit(CommitOn reason);
    void toggleTick(int index);
    void backToEditedRow(int index);
    bool isRowSelected(int row) const;
    // Rows that fit the viewport whole.
    int wholeRowsShown() const;
    void closeEditor();
    void replaceEntries(std::vector<MealEntry> entries);

    // A large day: read by the writer, changed in memory and written there.
    void startLoading(const std::filesystem::path &file);
    void loaded(std::uint64_t generation, MealDayFile::Day &day);
    // Whether the list still shows the file as it did when `generation` was current.
    bool showsFile(const std::filesystem::path &file, std::uint64_t generation) const;
    void appendLarge(const std::vector<MealEntry> &entries);
    void removeTickedLarge();
    void changeAmountLarge(int index, float amount);
    // What a reload after a change would show: nothing ticked or selected, the newest rows.
    void showChanged();

    CElements *m_panel = nullptr;
    DayStore *m_store = nullptr;
    MealRowLayout m_layout;
    int m_editRow = -1;
    bool m_reloading = false;
    BackgroundSlice m_background;
    MealRowPainter m_painter;
    std::vector<MealEntry> m_entries;
    Rows *m_rows = nullptr;
    DayFiles::LocalDate m_day;
    QLineEdit *m_amountEdit = nullptr;
    // An edit begun from the keyboard ends with the keyboard back on its row.
    bool m_editFromKeys = false;
    FocusRing *m_focusRing = nullptr;

    // Another writer changed the day while an amount was being edited.
    bool m_refreshWhenEdited = false;
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
