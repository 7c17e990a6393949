// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DayStripAccessible.h"

#include "calendar/CTimCalentar.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace {

QAccessibleInterface *dayStripFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("CTimCalentar"))
        return new DayStripAccessible(static_cast<CTimCalentar *>(object));
    return nullptr;
}

} // namespace

DayStripAccessible::DayStripAccessible(CTimCalentar *strip)
    : PaintedListAccessible(strip, QAccessible::List)
{
}

void DayStripAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(dayStripFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

CTimCalentar *DayStripAccessible::strip() const
{
    return static_cast<CTimCalentar *>(widget());
}

int DayStripAccessible::itemCount() const
{
    return int(strip()->cells().size());
}

QString DayStripAccessible::itemName(int item) const
{
    const DayStripModel::DayCell &cell = strip()->cells()[item];
    QString name = QLocale().toString(QDate(cell.date.year, cell.date.month, cell.date.day),
                                      QLocale::LongFormat);
    // What the cell shows besides its date: the hatch, the box and the note icon.
    if (cell.date == DayFiles::LocalDateOf(Clock::now()))
        name += QCoreApplication::translate("DayStrip", ", today");
    if (cell.hasData)
        name += QCoreApplication::translate("DayStrip", ", meals or weight");
    if (cell.hasNote)
        name += QCoreApplication::translate("DayStrip", ", note");
    return name;
}

QRect DayStripAccessible::itemRect(int item) const
{
    const DayStripModel::DayCell &cell = strip()->cells()[item];
    return QRectF(cell.rect.x, cell.rect.y, cell.rect.width, cell.rect.height).toAlignedRect();
}

QAccessible::State DayStripAccessible::itemState(int item) const
{
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.selected = item == currentItem();
    state.focused = state.selected && strip()->hasFocus();
    return state;
}

int DayStripAccessible::currentItem() const
{
    const std::vector<DayStripModel::DayCell> &cells = strip()->cells();
    const DayFiles::LocalDate chosen = strip()->selectedDay();
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i].date == chosen)
            return int(i);
    return -1;
}
