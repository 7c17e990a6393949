#include "calendar/CTimCalentar.h"

#include "calendar/DayFiles.h"
#include "platform/AppFolders.h"
#include "platform/Clock.h"

#include <QPainter>
#include <ctime>

CTimCalentar::CTimCalentar(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    const std::int64_t now = Clock::now();
    const DayFiles::LocalDate today = DayFiles::LocalDateOf(now);
    m_day = today.day;
    m_month = today.month;
    m_year = today.year;
    m_firstDay = now - (m_dayCount / 2) * DayFiles::SecondsPerDay;
}

std::int64_t CTimCalentar::SelectedTime() const
{
    return DayFiles::NoonOf(m_day, m_month, m_year);
}

std::filesystem::path CTimCalentar::SelectedDataPath(const char *extension) const
{
    return DayFiles::DataFilePath(SelectedTime(), extension);
}

std::filesystem::path CTimCalentar::SelectedNotePath(const char *extension) const
{
    return DayFiles::NoteFilePath(SelectedTime(), extension);
}

void CTimCalentar::CreateDataDirectories()
{
    DayFiles::CreateDataDirectories(AppFolders::executableFolder(),
                                    AppFolders::perUserDataFolder());
}

std::string CTimCalentar::MonthCaption() const
{
    const std::time_t time = static_cast<std::time_t>(SelectedTime());
    std::tm local {};
    if (!localtime_r(&time, &local))
        return {};
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%B %Y", &local);
    return std::string(buffer, length);
}

void CTimCalentar::InvalidateWithErase()
{
    m_erase.request();
    update();
}

void CTimCalentar::showEvent(QShowEvent *event)
{
    m_erase.request();
    QWidget::showEvent(event);
}

void CTimCalentar::paintEvent(QPaintEvent *)
{
    if (m_erase.consume())
        LayoutCells();
    QPainter painter(this);
    m_background.paint(painter, this);
}

void CTimCalentar::LayoutCells()
{
    NotifyParent();
}

void CTimCalentar::NotifyParent()
{
    // The first layout pass comes with the window's first paint: the day was loaded already.
    if (!m_laidOutBefore) {
        m_laidOutBefore = true;
        return;
    }
    QMetaObject::invokeMethod(this, &CTimCalentar::clicked, Qt::QueuedConnection);
}
