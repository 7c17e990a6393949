// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "platform/DiaryWatcher.h"
#include "store/ConflictMerge.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <set>

class CNoticeBar;
class DayStore;

// Keeps the window's views of the diary current while others write it: the command line, a
// second window, a sync engine. What changed is shown within a second (the day's meals, weight
// and note, the strip's markers, the chart, the own foods), and a conflict copy that a sync
// engine left is said in the notice bar, where a click opens its merge.
class DiaryFollower : public QObject
{
    Q_OBJECT

public:
    // What the window does when files it shows changed elsewhere.
    struct Views
    {
        std::function<void()> meals; // the shown day's meal file
        std::function<void()> weight;
        std::function<void()> note;
        std::function<void()> activities; // the shown day's
        std::function<void()> history; // strip markers and chart: any day file
        std::function<void()> ownFoods; // the own foods or the recipes
        std::function<void()> settings; // the diary's settings (goals, the list's order)
        // The merge form for a copy: opened by the window, which owns the dialogs.
        std::function<void(const ConflictMerge::Found &)> merge;
    };

    DiaryFollower(DayStore &store, CNoticeBar *notice, Views views, QObject *parent = nullptr);

    // Follows the shown day and the days on the strip.
    void follow(const DayFiles::LocalDate &day, std::int64_t firstOnStrip, int dayCount);
    // Looks for conflict copies now and says what it found.
    void checkConflicts();
    // Looks at the files now instead of at the next tick.
    void check() { m_watcher.check(); }

    static QString conflictKey();

private:
    void changed(const std::set<std::filesystem::path> &paths);

    DayStore &m_store;
    CNoticeBar *m_notice;
    Views m_views;
    DiaryWatcher m_watcher;
    DayFiles::LocalDate m_day;
    std::vector<ConflictMerge::Found> m_conflicts;
};
