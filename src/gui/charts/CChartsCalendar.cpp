// SPDX-License-Identifier: GPL-3.0-or-later
// The Charts page's calendar for ranges longer than the strip: grid lines at Mondays, months or
// years, and their dates below the plot.
#include "charts/CCharts.h"
#include "charts/ChartText.h"
#include "platform/SkinFont.h"
#include "skin/ChartColors.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <cmath>

namespace {

// The days the grid marks for a longer range: Mondays under daily bars, months under weekly
// ones, and months or, when those would crowd, years under monthly ones.
std::vector<int> calendarTicks(const ChartSpan &span, CalorieBins::Size size, double column)
{
    if (size == CalorieBins::Size::Day)
        return span.mondays();
    return span.monthStarts(size == CalorieBins::Size::Month && column * 30.5 < 28.0);
}

} // namespace

void CCharts::paintCalendarGrid(QPainter &painter, const ChartGeometry &geometry) const
{
    const qreal half = geometry.ColumnWidth() / 2.0;
    for (int index : calendarTicks(m_span, m_binSize, geometry.ColumnWidth())) {
        const qreal x = std::round(geometry.IndexX(index) - half);
        painter.drawLine(QLineF(x, geometry.plotTop(), x, geometry.plotBottom()));
    }
}

void CCharts::paintCalendarLabels(QPainter &painter, const ChartGeometry &geometry) const
{
    const QFont label = skinFont(QStringLiteral("Arial"), 8);
    const QFontMetricsF metrics(label);
    const QLocale locale;
    painter.setFont(label);
    painter.setPen(QColor::fromRgba(ChartColors::Grid).lighter(170));
    // Clear of the scales' lowest figures at both ends.
    const qreal clear = metrics.horizontalAdvance(QStringLiteral("00000")) + 8;
    qreal free = geometry.plotLeft() + clear;
    const qreal half = geometry.ColumnWidth() / 2.0;
    for (int index : calendarTicks(m_span, m_binSize, geometry.ColumnWidth())) {
        const DayFiles::LocalDate day = DayFiles::LocalDateOf(m_span.day(index));
        const QDate date(day.year, day.month, day.day);
        QString text;
        if (m_binSize == CalorieBins::Size::Day)
            // The date pattern is the language's: "7 Dec", "7. Dez."
            text = locale.toString(date, CCharts::tr("d MMM"));
        else
            text = locale.toString(date,
                                   day.month == 1 ? QStringLiteral("yyyy") : QStringLiteral("MMM"));
        const qreal x = std::round(geometry.IndexX(index) - half);
        const qreal wide = metrics.horizontalAdvance(text) + 4;
        if (x < free || x + wide > geometry.plotRight() - clear)
            continue;
        ChartText::drawAnchored(painter, {x, geometry.plotBottom() + metrics.height() + 2.0},
                                Qt::AlignLeft, text);
        free = x + wide + 6;
    }
}
