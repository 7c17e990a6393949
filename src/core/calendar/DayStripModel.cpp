// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DayStripModel.h"

#include <algorithm>

namespace DayStripModel {

DayFiles::LocalDate CellDate(const DayFiles::LocalDate &first, int index)
{
    if (first.year == 0)
        return {};
    return DayFiles::LocalDateOf(DayFiles::NoonOf(first.day + index, first.month, first.year));
}

std::vector<DayCell> LayoutCells(const Selection &selection, int clientWidth, int clientHeight,
                                 const MarkerSource &markers)
{
    std::vector<DayCell> cells(std::size_t(std::max(selection.dayCount, 0)));
    const float left = float(Margin);
    const float cellWidth = float((clientWidth - Margin) - Margin) / float(selection.dayCount);
    const float cellHeight = float(clientHeight - 2);
    const DayFiles::LocalDate first = DayFiles::LocalDateOf(selection.firstDay);
    for (int i = 0; i < selection.dayCount; ++i) {
        DayCell &cell = cells[std::size_t(i)];
        cell.rect = {left + float(i) * cellWidth, 0.0f, cellWidth, cellHeight};
        cell.date = CellDate(first, i);
        if (cell.date.year == 0)
            continue; // a date the system cannot convert shows no captions and no markers
        const std::int64_t noon = DayFiles::NoonOf(cell.date.day, cell.date.month, cell.date.year);
        std::tm local {};
        if (DayFiles::LocalTime(noon, local)) {
            cell.weekend = local.tm_wday == 0 || local.tm_wday == 6;
            char weekday[64];
            cell.weekday.assign(weekday, std::strftime(weekday, sizeof weekday, "%a", &local));
        }
        cell.dayCaption = std::to_string(cell.date.day);
        if (markers) {
            const Markers stored = markers(cell.date);
            cell.hasData = stored.hasData;
            cell.hasNote = stored.hasNote;
        }
    }
    return cells;
}

int PageForClick(float py, float cellHeight)
{
    if (py < cellHeight * 0.5f)
        return 1;
    if (py < cellHeight * 0.89f)
        return 3;
    return 4;
}

void MoveSelection(Selection &selection, Key key)
{
    std::int64_t selected = DayFiles::NoonOf(selection.day, selection.month, selection.year);
    switch (key) {
    case Key::Left:
        selected -= DayFiles::SecondsPerDay;
        break;
    case Key::Right:
        selected += DayFiles::SecondsPerDay;
        break;
    case Key::Up:
    case Key::Down: {
        const int step = key == Key::Up ? 1 : -1;
        // mktime carries a day past the month's end into the next one: 31 January, then up,
        // is 3 March (2 March in a leap year).
        selected = DayFiles::NoonOf(selection.day, selection.month + step, selection.year);
        selection.firstDay += step * 30 * DayFiles::SecondsPerDay;
        break;
    }
    }
    const DayFiles::LocalDate date = DayFiles::LocalDateOf(selected);
    selection.day = date.day;
    selection.month = date.month;
    selection.year = date.year;

    const std::int64_t span = std::int64_t(selection.dayCount - 1) * DayFiles::SecondsPerDay;
    if (selected < selection.firstDay)
        selection.firstDay = selected;
    if (selected - selection.firstDay > span)
        selection.firstDay = selected - span;
}

void Scroll(Selection &selection, Key key)
{
    selection.firstDay += (key == Key::Right ? 1 : -1) * DayFiles::SecondsPerDay;
    MoveSelection(selection, key);
}

} // namespace DayStripModel
