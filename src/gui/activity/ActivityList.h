// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "platform/FileIo.h"
#include "store/ActivityDay.h"

#include <QObject>
#include <QPoint>
#include <filesystem>

class CNoticeBar;
class DayStore;
class SkinButton;
class QWidget;

// The activities of the day the Food page shows: a button in the page's bottom row that says
// what the day burned and lists the activities in its tooltip, and opens the form that adds and
// removes them. Each change goes to the day's file under its lock (ActivityDay), is read back
// from it, and its outcome goes out as saved().
class ActivityList : public QObject
{
    Q_OBJECT

public:
    // The button at `at`, at most `room` pixels wide, shown while `follow` (a control of the
    // page) is.
    ActivityList(DayStore &store, CNoticeBar *notice, QWidget *follow, QPoint at, int room);

    void show(const DayFiles::LocalDate &day);
    // The shown day again, as its file now is (another writer changed it).
    void refresh() { reload(); }
    const ActivityDay &day() const { return m_day; }
    double burned() const { return m_day.burned(); }
    SkinButton *button() const { return m_button; }

    FileIo::Result add(const Activity &activity);
    FileIo::Result remove(const Activity &activity);
    // The form over the page, until it is closed.
    void openForm();

    // "Cycling, 45 min, 380 kcal" for a row of the list.
    static QString rowText(const Activity &activity);

signals:
    void saved(const FileIo::Result &result);
    void opened(const FileIo::Result &result);
    // The day's activities were read again.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::filesystem::path file() const;
    void reload();
    void fitButton();
    // Whatever was done to the file, the list shows what it now holds.
    FileIo::Result written(const FileIo::Result &result);

    DayStore &m_store;
    CNoticeBar *m_notice;
    QWidget *m_follow;
    SkinButton *m_button;
    QPoint m_at;
    int m_room;
    DayFiles::LocalDate m_date {};
    ActivityDay m_day;
};
