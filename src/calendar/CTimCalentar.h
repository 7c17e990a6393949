#pragma once

#include "controls/BackgroundSlice.h"
#include "controls/EraseRequest.h"

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <string>

// The day strip across the top of the window: it holds the selected day and the page field
// shared with the main window, builds the selected day's file paths, and tells the main window
// to reload the day after every redraw with erase but the first.
class CTimCalentar : public QWidget
{
    Q_OBJECT

public:
    explicit CTimCalentar(QWidget *parent = nullptr);

    // The selected day at 12:00:01 local time, and the paths of its files.
    std::int64_t SelectedTime() const;
    std::filesystem::path SelectedDataPath(const char *extension) const;
    std::filesystem::path SelectedNotePath(const char *extension) const;
    void CreateDataDirectories();

    // Full month name and four-digit year of the selected day, in the user's language.
    std::string MonthCaption() const;

    // Redraw with erase: the next paint lays the strip out and notifies the main window.
    void InvalidateWithErase();

    int m_day = 0;
    int m_month = 0;
    int m_year = 0;
    int m_page = 0;
    std::int64_t m_firstDay = 0;
    int m_dayCount = 29;

signals:
    // The click notification of the strip: the main window reloads the selected day.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void LayoutCells();
    void NotifyParent();

    BackgroundSlice m_background;
    EraseRequest m_erase;
    bool m_laidOutBefore = false;
};
