// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DaySelection.h"
#include "calendar/DayStripModel.h"
#include "controls/BackgroundSlice.h"
#include "controls/EraseRequest.h"
#include "controls/ResourceImage.h"
#include "platform/FileIo.h"

#include <QBrush>
#include <QFont>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CHoverButton;
class DayStore;
class FocusRing;
class QMenu;

// The day strip across the top of the window: 29 days, each with its weekday, its day of the
// month and markers for its meals or weight and its note. A click picks the day and the page
// (Food in a cell's upper half, the Diary below, page 4 at the bottom edge); the arrow keys and
// the buttons at the ends move the selection, Enter or Space picks the day again. It hands the
// chosen day and page to the main window after every redraw with erase but the first; the window
// then reloads the day. A day's context menu copies meals between days.
class CTimCalentar : public QWidget, public DaySelection
{
    Q_OBJECT

public:
    explicit CTimCalentar(QWidget *parent = nullptr);

    // Where the markers come from and the selected day's files live; not owned. Without a store
    // the strip shows no markers.
    void setStore(DayStore *store) { m_store = store; }

    // The selected day at 12:00:01 local time, and the paths of its files.
    std::int64_t SelectedTime() const;
    std::filesystem::path SelectedDataPath(const char *extension) const;
    std::filesystem::path SelectedNotePath(const char *extension) const;
    // Chooses and creates the data folders; says why they cannot be written (ok when they can).
    FileIo::Result CreateDataDirectories();

    // Full month name and four-digit year of the selected day, in the user's language.
    std::string MonthCaption() const;

    // Redraw with erase: the next paint lays the strip out and notifies the main window.
    void InvalidateWithErase();
    // The markers read again after a change to a day, without a day reload.
    void RefreshMarkers();

    // The context menu of a day, owned by the caller: copy the meals of the day before into it,
    // or its meals to today.
    QMenu *ContextMenuFor(const DayFiles::LocalDate &day);

    // Selects the day, centred on the strip, as a click on it would (the day is loaded).
    void SelectDay(const DayFiles::LocalDate &day);
    // Moves the selection as the arrow keys do.
    void MoveSelection(DayStripModel::Key key);

    // The cells of the last layout pass.
    const std::vector<DayStripModel::DayCell> &cells() const { return m_cells; }
    CHoverButton *nextButton() const { return m_nextButton; }
    CHoverButton *prevButton() const { return m_prevButton; }

    // The selection itself (m_day, m_month, m_year, m_firstDay, m_dayCount) is the strip's own
    // DaySelection, which the pages read.
    int m_page = 0;

signals:
    // The strip's notification: the main window loads this day and, when it differs from the
    // one showing, switches to this page.
    void dayChosen(const DayFiles::LocalDate &day, int page);
    // The meals of `from` are to be appended to `to`.
    void copyMealsRequested(const DayFiles::LocalDate &from, const DayFiles::LocalDate &to);
    // The day is to be marked complete (all eaten is logged), or no longer.
    void completeRequested(const DayFiles::LocalDate &day, bool complete);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The focus shows as the ring only, which repaints itself: no repaint of the whole strip.
    void focusInEvent(QFocusEvent *) override { }
    void focusOutEvent(QFocusEvent *) override { }
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DayStripModel::Selection selection() const;
    void setSelection(const DayStripModel::Selection &selection);
    void scroll(DayStripModel::Key key);
    bool handleKey(int key);
    void LayoutCells();
    void placeCells();
    void NotifyParent();
    void drawCell(QPainter &painter, const DayStripModel::DayCell &cell,
                  const DayFiles::LocalDate &today) const;

    BackgroundSlice m_background;
    ResourceImage m_selFrame;
    ResourceImage m_noteIcon;
    ResourceImage m_box;
    ResourceImage m_boxPressed;
    QFont m_weekdayFont;
    QFont m_dayFont;
    QFont m_otherMonthDayFont;
    QBrush m_todayHatch;
    CHoverButton *m_nextButton = nullptr;
    CHoverButton *m_prevButton = nullptr;
    DayStore *m_store = nullptr;

    std::vector<DayStripModel::DayCell> m_cells;
    float m_cellHeight = 0;
    EraseRequest m_erase;
    bool m_laidOutBefore = false;
    FocusRing *m_focusRing = nullptr;
};
