// SPDX-License-Identifier: GPL-3.0-or-later
// The Charts page's marks: what the pointer and the arrow keys stand on, what they say, and the
// day a click or Enter opens.
#include "charts/CCharts.h"
#include "platform/NumberText.h"
#include "platform/ShownNumber.h"
#include "skin/SkinColors.h"

#include <QComboBox>
#include <QDate>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>

namespace {

QDate qDateOf(std::int64_t day)
{
    const DayFiles::LocalDate date = DayFiles::LocalDateOf(day);
    return QDate(date.year, date.month, date.day);
}

QString chartNumber(double value, int decimals)
{
    return ShownNumber::fixed(value, decimals);
}

} // namespace

QString CCharts::markText(int index) const
{
    if (index < 0 || index >= int(m_marks.size()))
        return {};
    const ChartMarks::Mark &mark = m_marks[std::size_t(index)];
    const QLocale locale;
    const QDate first = qDateOf(mark.firstDay);
    const bool daily = m_binSize == CalorieBins::Size::Day;
    QStringList lines;
    if (daily)
        lines << locale.toString(first, QLocale::LongFormat);
    else if (m_binSize == CalorieBins::Size::Week)
        lines << tr("%1 to %2")
                     .arg(locale.toString(first, tr("d MMM")),
                          locale.toString(first.addDays(mark.days - 1), tr("d MMM yyyy")));
    else
        lines << locale.toString(first, QStringLiteral("MMMM yyyy"));
    if (const auto &calories = mark.calories) {
        const QString kcal = chartNumber(calories->average, 0);
        lines << (daily ? tr("Calories: %1").arg(kcal)
                        : tr("Calories: %1 a day, %2 of %3 days logged")
                              .arg(kcal, QString::number(calories->logged),
                                   QString::number(calories->days)));
    }
    for (const CalorieBins::Bin &burned : m_burnedBins) {
        if (burned.firstIndex != mark.firstIndex)
            continue;
        const QString kcal = chartNumber(burned.average, 0);
        lines << (daily ? tr("Burned: %1").arg(kcal)
                        : tr("Burned: %1 a day on %2 days").arg(kcal).arg(burned.logged));
    }
    if (const auto &weight = mark.weight) {
        const QString value = chartNumber(weight->average, 1);
        lines << (daily ? tr("Weight: %1").arg(value) : tr("Weight: %1 on average").arg(value));
    }
    if (!daily)
        lines << tr("Click to open %1")
                     .arg(locale.toString(qDateOf(mark.openDay), QLocale::ShortFormat));
    return lines.join(QLatin1Char('\n'));
}

void CCharts::focusMark(int mark)
{
    if (m_marks.empty())
        return;
    m_focusMark = std::clamp(mark, 0, int(m_marks.size()) - 1);
    const ChartGeometry geometry = chartGeometry();
    const ChartMarks::Mark &focused = m_marks[std::size_t(m_focusMark)];
    const QPoint at(int(geometry.IndexX(focused.firstIndex + focused.days / 2.0)),
                    geometry.plotTop() + geometry.plotHeight() / 2);
    const QString text = markText(m_focusMark);
    QToolTip::showText(mapToGlobal(at), text, this);
    describe();
    setAccessibleDescription(text + QLatin1Char('\n') + accessibleDescription());
    update();
}

void CCharts::openMark(int mark)
{
    if (mark >= 0 && mark < int(m_marks.size()))
        emit dayOpened(DayFiles::LocalDateOf(m_marks[std::size_t(mark)].openDay));
}

bool CCharts::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int mark = ChartMarks::at(m_marks, chartGeometry(), float(help->pos().x()));
        if (mark >= 0)
            QToolTip::showText(help->globalPos(), markText(mark), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CCharts::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int mark = ChartMarks::at(m_marks, chartGeometry(), float(event->position().x()));
    if (mark >= 0)
        openMark(mark);
}

void CCharts::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_marks.size()) - 1;
    const int from = m_focusMark < 0 ? last + 1 : m_focusMark;
    switch (event->key()) {
    case Qt::Key_Left:
        return focusMark(from - 1);
    case Qt::Key_Right:
        return focusMark(m_focusMark < 0 ? last : from + 1);
    case Qt::Key_Home:
        return focusMark(0);
    case Qt::Key_End:
        return focusMark(last);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return openMark(m_focusMark);
    default:
        QWidget::keyPressEvent(event);
    }
}

void CCharts::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeTopControls();
    if (m_store)
        UpdateCharts();
}

void CCharts::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        fillRangeBox();
    QWidget::changeEvent(event);
}

void CCharts::paintFocus(QPainter &painter, const ChartGeometry &geometry) const
{
    if (!hasFocus() || m_focusMark < 0 || m_focusMark >= int(m_marks.size()))
        return;
    const ChartMarks::Mark &mark = m_marks[std::size_t(m_focusMark)];
    const qreal column = geometry.ColumnWidth();
    const qreal left = geometry.IndexX(mark.firstIndex) - column / 2.0;
    const QRectF area(left, geometry.plotTop(), column * mark.days, geometry.plotHeight());
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgba(SkinColors::TextShadow), 4.0));
    painter.drawRoundedRect(area.adjusted(-2, -2, 2, 2), 3, 3);
    painter.setPen(QPen(Qt::white, 2.0));
    painter.drawRoundedRect(area.adjusted(-2, -2, 2, 2), 3, 3);
    painter.restore();
}
