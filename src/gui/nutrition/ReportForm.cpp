// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/ReportForm.h"

#include "controls/SkinButton.h"
#include "food/NutrientCatalogue.h"
#include "meals/NutrientText.h"
#include "meals/ShownMeal.h"
#include "platform/CoreText.h"
#include "platform/NumberText.h"
#include "platform/ShownNumber.h"
#include "platform/Text8.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <array>
#include <cmath>

namespace {

QDate reportDate(const DayFiles::LocalDate &day)
{
    return QDate(day.year, day.month, day.day);
}

QString reportTotal(int nutrient, double amount)
{
    return ShownNumber::text(NutrientText::Total(nutrient, float(amount))).trimmed();
}

// The ten in the order the Food page's panel lists them.
std::array<int, Nutrient::Count> panelOrder()
{
    std::array<int, Nutrient::Count> rows {};
    for (int k = 0; k < Nutrient::Count; ++k)
        rows[std::size_t(NutrientText::ScreenRow(k))] = k;
    return rows;
}

QString row(const QString &name, const QString &value)
{
    return QStringLiteral("<tr><td>%1</td><td align=\"right\">&nbsp;&nbsp;%2</td></tr>")
        .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
}

} // namespace

ReportForm::ReportForm(const DayFiles::LocalDate &first, int dayCount, Make make,
                       const NutrientGoals &goals, bool addBurned, QWidget *parent)
    : SkinForm(tr("Report"), tr("Close"), parent), m_make(std::move(make)), m_goals(goals),
      m_addBurned(addBurned)
{
    cancelButton()->hide();
    const QLocale locale;
    const QDate from = reportDate(first);
    QGridLayout *grid = body();
    grid->addWidget(
        makeLabel(tr("%1 to %2")
                      .arg(locale.toString(from, QLocale::LongFormat),
                           locale.toString(from.addDays(dayCount - 1), QLocale::LongFormat))),
        0, 0);
    m_summary = makeLabel(QString(), false);
    grid->addWidget(m_summary, 1, 0);
    m_completeOnly = new QCheckBox(tr("Count only days marked complete"), this);
    m_completeOnly->setStyleSheet(QStringLiteral("QCheckBox { color: white; }"));
    grid->addWidget(m_completeOnly, 2, 0);
    m_report = makeLabel(QString(), false);
    m_report->setTextFormat(Qt::RichText);
    m_report->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_report, 3, 0);
    connect(m_completeOnly, &QCheckBox::toggled, this, &ReportForm::fill);
    fill();
    fitToContents();
}

QString ReportForm::reportText() const
{
    return m_summary->text() + QLatin1Char('\n') + m_report->text();
}

void ReportForm::fill()
{
    const std::unique_ptr<PeriodReport> report = m_make(m_completeOnly->isChecked());
    QString summary = tr("%1 of %2 days logged").arg(report->loggedDays()).arg(report->dayCount());
    if (report->completeOnly())
        summary += tr(", %1 of them marked complete and counted").arg(report->countedDays());
    if (const auto unreadable = report->unreadableDays().size())
        summary += QLatin1Char('\n') +
            tr("The meals of %n day(s) could not be read whole; what could be read is counted.",
               nullptr, int(unreadable));
    m_summary->setText(summary);
    m_report->setText(html(*report));
    m_report->setAccessibleName(m_report->text());
}

QString ReportForm::html(const PeriodReport &report) const
{
    const NutrientTotals &totals = report.nutrition().totals();
    QString left;
    QString right;
    if (report.countedDays() > 0) {
        left += QStringLiteral("<b>%1</b><table>")
                    .arg(report.completeOnly() ? tr("Average per complete day")
                                               : tr("Average per logged day"));
        for (const int k : panelOrder())
            left +=
                row(CoreText::nutrientName(k),
                    reportTotal(k, totals.perDay(NutrientCatalogue::fromStored(k)).value_or(0)));
        left += QStringLiteral("</table>");
        QString goals;
        for (const int k : panelOrder()) {
            if (!m_goals.hasGoal(k))
                continue;
            const QString limit = reportTotal(k, m_goals.goal(k));
            goals += row(CoreText::nutrientName(k),
                         (m_goals.kind(k) == NutrientGoals::Kind::Limit ? tr("%1 (at most %2)")
                                                                        : tr("%1 (at least %2)"))
                             .arg(report.daysOnGoal(m_goals, k, m_addBurned))
                             .arg(limit));
        }
        if (!goals.isEmpty())
            left += QStringLiteral("<br><b>%1</b><table>%2</table>")
                        .arg(tr("Goals met, of %1 days").arg(report.countedDays()), goals);

        const std::optional<double> energy = totals.amount(NutrientId::Energy);
        right += QStringLiteral("<b>%1</b><table>").arg(tr("Foods that gave the most calories"));
        for (const PeriodNutrition::FoodShare &food : report.topFoods(NutrientId::Energy)) {
            const int share =
                energy && *energy > 0.0 ? int(std::lround(food.amount / *energy * 100)) : 0;
            QString name = ShownMeal::foodName(food.name);
            if (name.size() > 28)
                name = name.left(27) + QChar(0x2026);
            right +=
                row(name, tr("%1 kcal, %2 %").arg(ShownNumber::fixed(food.amount, 0)).arg(share));
        }
        right += QStringLiteral("</table><br>");
    }
    const QLocale locale;
    right += QStringLiteral("<b>%1</b><br>").arg(tr("Weight"));
    if (const std::optional<double> change = report.weightChange()) {
        const auto at = [&](const PeriodReport::Weighed &weighed) {
            return tr("%1 on %2")
                .arg(ShownNumber::fixed(weighed.weight, 1),
                     locale.toString(reportDate(weighed.day), QLocale::ShortFormat));
        };
        right += tr("%1, %2: change %3")
                     .arg(at(*report.firstWeight()), at(*report.lastWeight()),
                          (*change > 0 ? QStringLiteral("+") : QString()) +
                              ShownNumber::fixed(*change, 1));
    } else {
        right += tr("none in these days");
    }
    if (report.activeDays() > 0)
        right += QStringLiteral("<br><br><b>%1</b><br>%2")
                     .arg(tr("Burned by activities"),
                          tr("%1 kcal on %n day(s)", nullptr, report.activeDays())
                              .arg(ShownNumber::fixed(report.burnedTotal(), 0)));
    return QStringLiteral("<table><tr><td valign=\"top\">%1</td><td width=\"24\"></td>"
                          "<td valign=\"top\">%2</td></tr></table>")
        .arg(left, right);
}

#include "moc_ReportForm.cpp"
