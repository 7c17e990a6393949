// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "controls/BackgroundSlice.h"
#include "meals/MealDayKeeper.h"
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
class FocusRing;
class MealAmountEditor;
class QLineEdit;
class QMenu;

// The day's meal list: one row per entry with a tick box, the name, the amount in a framed cell
// that edits in place, and the unit. The list is a view of the day its MealDayKeeper holds, which
// makes every change to the rows and the file; the operations here hand them on. Row i always
// holds entry i. From the keyboard: Up and Down move, Space ticks, F2 or Enter edits the amount
// (Enter keeps it, Escape drops it).
//
// Rows are all one height, so the list places them by arithmetic alone: a day of any length
// costs the same to show. A large day (LargeDayBytes or more) is read and written on a worker
// and never holds up the window; the list says it is loading until its rows are there.
class CMealsList : public QAbstractItemView
{
    Q_OBJECT

public:
    static constexpr std::uintmax_t LargeDayBytes = MealDayKeeper::LargeDayBytes;

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
    // The row replaced by the entries in one rewrite of the day; reloads.
    void ReplaceMeal(int row, const std::vector<MealEntry> &entries)
    {
        m_keeper->Replace(row, entries);
    }

    // The list's context menu, owned by the caller: copy the ticked entries (all when none is
    // ticked) to today, or the meals of the day before into this day.
    QMenu *ContextMenu();

    // Adds a row for the entry and returns its index.
    int AppendEntry(const MealEntry &entry);
    // Ticks the row, or unticks it, as Space or a click on its box does.
    void toggleTick(int index);
    // The selected entry's contribution to each nutrient; false, `out` untouched, without one.
    bool GetSelectedContribution(Nutrients &out) const;

    const std::vector<MealEntry> &entries() const { return m_keeper->entries(); }
    int count() const { return int(entries().size()); }
    int currentRow() const { return currentIndex().row(); }
    void setCurrentRow(int row);
    // Whether a large day is still being read: its rows are not there yet.
    bool isLoading() const { return m_keeper->isLoading(); }
    const DayFiles::LocalDate &day() const { return m_keeper->day(); }
    const MealRowLayout &rowLayout() const { return m_layout; }
    int topRow() const;
    int editRow() const;
    QLineEdit *amountEditor() const;

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
    // A change to the day's file that can be taken back; `what` says what it did.
    void undoable(const std::shared_ptr<const UndoStep> &step, const QString &what);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
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
    // Before the keeper replaces the rows, and once they are there.
    void replacing();
    void placeRows(MealDayKeeper::Shown how, const Nutrients &totals, int selected);
    bool isRowSelected(int row) const;
    // Rows that fit the viewport whole.
    int wholeRowsShown() const;

    CElements *m_panel = nullptr;
    MealRowLayout m_layout;
    bool m_reloading = false;
    // Within focusInEvent: the row made current there is told once the list's own focus is.
    bool m_focusArriving = false;
    // The top row when the keeper began replacing the rows.
    int m_topBefore = -1;
    BackgroundSlice m_background;
    MealRowPainter m_painter;
    FocusRing *m_focusRing = nullptr;
    // Another writer changed the day while an amount was being edited.
    bool m_refreshWhenEdited = false;
    MealDayKeeper *m_keeper = nullptr;
    MealAmountEditor *m_editor = nullptr;
};
