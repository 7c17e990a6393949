// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The arithmetic of the day strip: which day each cell shows, where it lies, what a click on it
// means and how the arrow keys move the selection. No drawing here.
namespace DayStripModel {

inline constexpr int Margin = 20; // left free at each end for the navigation buttons

struct Rect
{
    float x = 0, y = 0, width = 0, height = 0;
    bool contains(float px, float py) const
    {
        return x <= px && px < x + width && y <= py && py < y + height;
    }
};

struct DayCell
{
    DayFiles::LocalDate date;
    Rect rect;
    bool weekend = false;
    std::string weekday; // abbreviated weekday name in the user's language
    std::string dayCaption; // day of the month without a leading zero
    bool hasData = false; // a meal or weight file that is not empty
    bool hasNote = false; // a note file that is not empty
};

// The selection and the strip's position, as the window shares them.
struct Selection
{
    int day = 0;
    int month = 0;
    int year = 0;
    std::int64_t firstDay = 0; // timestamp of the first cell
    int dayCount = 29;
};

// The local date of cell i, given the first cell's date. Cells count calendar days rather than
// steps of 86,400 seconds, so a strip across a daylight-saving change neither repeats nor skips
// a day, whatever time of day the first cell's timestamp carries.
DayFiles::LocalDate CellDate(const DayFiles::LocalDate &first, int index);

// What a day has stored, for its markers.
struct Markers
{
    bool hasData = false; // a meal or weight file that is not empty
    bool hasNote = false; // a note file that is not empty
};
using MarkerSource = std::function<Markers(const DayFiles::LocalDate &)>;

// Cells for a client area of the given size, with their captions and the markers the source
// gives (none without a source).
std::vector<DayCell> LayoutCells(const Selection &selection, int clientWidth, int clientHeight,
                                 const MarkerSource &markers);

// The page a click at height py asks for: Food in the upper half of a cell, the Diary down to
// 89 % of its height, page 4 below that.
int PageForClick(float py, float cellHeight);

enum class Key { Left, Right, Up, Down };

// Moves the selection by a day (left, right) or a month (up, down; the strip moves 30 days
// with it), then moves the strip only as far as needed to keep the selection on it.
void MoveSelection(Selection &selection, Key key);

// The buttons at the ends scroll the strip by a day and the selection with it.
void Scroll(Selection &selection, Key key);

} // namespace DayStripModel
