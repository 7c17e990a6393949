// SPDX-License-Identifier: GPL-3.0-or-later
// The Charts page's range: the box that chooses the days shown, the days it stands for, and the
// form that asks for a range of the user's own.
#include "charts/CCharts.h"
#include "charts/DayRangeForm.h"
#include "controls/SkinButton.h"
#include "platform/Clock.h"
#include "platform/SkinFont.h"
#include "store/DayStore.h"

#include <QComboBox>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>

namespace {

QDate chartRangeDate(std::int64_t day)
{
    const DayFiles::LocalDate date = DayFiles::LocalDateOf(day);
    return QDate(date.year, date.month, date.day);
}

std::int64_t chartRangeDay(QDate date)
{
    return DayFiles::NoonOf(date.day(), date.month(), date.year());
}

std::int64_t chartRangeToday()
{
    const DayFiles::LocalDate today = DayFiles::LocalDateOf(Clock::now());
    return DayFiles::NoonOf(today.day, today.month, today.year);
}

} // namespace

void CCharts::placeTopControls()
{
    m_reportButton->adjustSize();
    // Right of the weight's title and its trend, left of the calories' title.
    const int gap = 6;
    const int title =
        int(QFontMetricsF(skinFont(QStringLiteral("Arial"), 16)).horizontalAdvance(tr("Calories")));
    const int left =
        width() - 20 - title - 16 - m_reportButton->width() - gap - m_rangeBox->width();
    m_rangeBox->move(left, 1);
    m_reportButton->setGeometry(left + m_rangeBox->width() + gap, 1, m_reportButton->width(),
                                m_rangeBox->height());
}

void CCharts::fillRangeBox()
{
    const QSignalBlocker quiet(m_rangeBox);
    m_rangeBox->clear();
    const QLocale locale;
    const QString chosen = m_custom
        ? tr("%1 to %2")
              .arg(locale.toString(chartRangeDate(m_custom->firstDay), QLocale::ShortFormat),
                   locale.toString(chartRangeDate(m_custom->lastDay()), QLocale::ShortFormat))
        : tr("Choose days…");
    m_rangeBox->addItems({tr("Days of the strip"), tr("Last 4 weeks"), tr("Last 3 months"),
                          tr("Last year"), tr("All of the diary"), chosen});
    m_rangeBox->setCurrentIndex(int(m_kind));
    m_rangeBox->setAccessibleName(tr("Days shown"));
    m_rangeBox->adjustSize();
    if (m_reportButton)
        placeTopControls();
    setAccessibleName(m_kind == ChartSpan::Kind::Strip
                          ? tr("Weight and calories of the days on the strip")
                          : tr("Weight and calories: %1").arg(m_rangeBox->currentText()));
}

void CCharts::setRange(ChartSpan::Kind kind)
{
    m_kind = kind == ChartSpan::Kind::Custom && !m_custom ? ChartSpan::Kind::Strip : kind;
    fillRangeBox();
    m_focusMark = -1;
    UpdateCharts();
}

void CCharts::showDays(std::int64_t first, std::int64_t last)
{
    m_custom = ChartSpan::between(first, last);
    setRange(ChartSpan::Kind::Custom);
}

void CCharts::chooseDays()
{
    // A range of the user's own ends today until they choose another end.
    const std::int64_t last = m_custom ? m_custom->lastDay() : chartRangeToday();
    const std::int64_t first = m_custom ? m_custom->firstDay : ChartDays::added(last, -27);
    DayRangeForm form(chartRangeDate(first), chartRangeDate(last), this);
    if (form.exec() == QDialog::Accepted)
        showDays(chartRangeDay(form.first()), chartRangeDay(form.last()));
    else
        fillRangeBox(); // back to the range still shown
}

void CCharts::placeSpan()
{
    const ChartSpan strip {m_days->m_firstDay, m_days->m_dayCount};
    if (m_kind == ChartSpan::Kind::Strip) {
        m_span = strip;
        return;
    }
    if (m_kind == ChartSpan::Kind::Custom && m_custom) {
        m_span = *m_custom;
        return;
    }
    m_span = ChartSpan::of(m_kind, strip, chartRangeToday(),
                           m_store ? m_store->DataExtent() : std::nullopt);
}
