// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCharts.h"

#include "calendar/DayFiles.h"
#include "charts/ChartText.h"
#include "charts/WeightTrend.h"
#include "controls/AccessibleRole.h"
#include "controls/SkinButton.h"
#include "platform/Clock.h"
#include "platform/CompactNumber.h"
#include "platform/NumberText.h"
#include "platform/ShownNumber.h"
#include "platform/SkinFont.h"
#include "skin/ChartColors.h"
#include "skin/SkinColors.h"
#include "store/DayStore.h"

#include <QComboBox>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

constexpr float ShadowWidth = 4.0f;
constexpr float LineWidth = 3.0f;
constexpr float TrendWidth = 2.0f;
constexpr float GoalWidth = 2.0f;

QPointF toQt(ChartGeometry::Point point)
{
    return {point.x, point.y};
}

QPolygonF arrowhead(ChartGeometry::Point from, ChartGeometry::Point to, float penWidth)
{
    QPolygonF polygon;
    for (ChartGeometry::Point corner : ChartGeometry::Arrowhead(from, to, penWidth))
        polygon << toQt(corner);
    return polygon;
}

// A line of many short steps is stroked step by step: stroked whole, its outline crosses itself
// at every turn and takes the rasteriser many times as long, for the same pixels.
void strokeLine(QPainter &painter, const QPainterPath &line)
{
    if (line.elementCount() < 64)
        return painter.drawPath(line);
    constexpr int Steps = 12;
    for (int from = 0; from + 1 < line.elementCount(); from += Steps) {
        QPainterPath part(QPointF(line.elementAt(from)));
        for (int i = from + 1; i <= std::min(from + Steps, line.elementCount() - 1); ++i)
            part.lineTo(QPointF(line.elementAt(i)));
        painter.drawPath(part);
    }
}

QPen linePen(std::uint32_t argb, float width)
{
    QPen pen(QColor::fromRgba(argb), width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

CCharts::CCharts(QWidget *parent) : QWidget(parent)
{
    // Everything, background included, is painted in paintEvent.
    setAttribute(Qt::WA_OpaquePaintEvent);
    AccessibleRole::set(this, QAccessible::Chart);
    setFocusPolicy(Qt::StrongFocus);
    m_rangeBox = new QComboBox(this);
    fillRangeBox();
    connect(m_rangeBox, &QComboBox::activated, this, [this](int index) {
        if (ChartSpan::Kinds[index] == ChartSpan::Kind::Custom)
            chooseDays();
        else
            setRange(ChartSpan::Kinds[index]);
    });
    m_reportButton = new SkinButton(tr("Report…"), this);
    m_reportButton->setCaptionPoints(9);
    m_reportButton->setAccessibleName(tr("Report of the days shown"));
    connect(m_reportButton, &SkinButton::clicked, this, &CCharts::reportRequested);
    placeTopControls();
}

ChartGeometry CCharts::chartGeometry() const
{
    return ChartGeometry(width(), height(), firstDay(), dayCount());
}

void CCharts::UpdateCharts()
{
    m_stale = !isVisible();
    if (m_stale)
        return;
    placeSpan();
    BuildWeightLine();
    BuildCalorieBars();
    m_marks = ChartMarks::make(m_calorieBins, CalorieBins::make(m_weightSeries, m_span, m_binSize),
                               m_span);
    if (m_focusMark >= int(m_marks.size()))
        m_focusMark = int(m_marks.size()) - 1;
    describe();
    update();
}

void CCharts::describe()
{
    const std::int64_t end = firstDay() + std::int64_t(dayCount()) * DayFiles::SecondsPerDay;
    const auto range = [&](const std::vector<DaySample> &series, float &low, float &high) {
        int days = 0;
        for (const DaySample &sample : series) {
            if (sample.date < firstDay() || sample.date >= end)
                continue;
            low = days == 0 ? sample.value : std::min(low, sample.value);
            high = days == 0 ? sample.value : std::max(high, sample.value);
            ++days;
        }
        return days;
    };
    const auto number = [](float value, int decimals) {
        return ShownNumber::fixed(value, decimals);
    };
    float low = 0, high = 0;
    QStringList parts;
    if (const int days = range(m_weightSeries, low, high))
        // Plural forms come from a translation, which English runs without.
        parts << (days == 1 ? tr("Weight on 1 day: %1.").arg(number(low, 1))
                            : tr("Weight on %1 days, from %2 to %3.")
                                  .arg(QString::number(days), number(low, 1), number(high, 1)));
    else
        parts << tr("No weight on these days.");
    if (const int days = range(m_calorieSeries, low, high))
        parts << (days == 1 ? tr("Calories on 1 day: %1.").arg(number(low, 0))
                            : tr("Calories on %1 days, from %2 to %3 a day.")
                                  .arg(QString::number(days), number(low, 0), number(high, 0)));
    else
        parts << tr("No calories on these days.");
    if (!m_trendText.isEmpty())
        parts << m_trendText + QLatin1Char('.');
    if (m_hasGoal)
        parts << (m_raisedGoals.isEmpty()
                      ? tr("Calorie goal: %1 a day.").arg(number(float(m_calorieGoal), 0))
                      : tr("Calorie goal: %1 a day, more on days with calories burned.")
                            .arg(number(float(m_calorieGoal), 0)));
    setAccessibleDescription(parts.join(QLatin1Char(' ')));
}

float CCharts::LoadWeightSeries()
{
    HistoryScan::Series series =
        m_store ? m_store->WeightSeries() : HistoryScan::Series {{}, 0.0f, 9999999.0f, false};
    m_weightSeries = std::move(series.samples);
    m_weightTop = series.top;
    m_weightBottom = series.bottom;
    m_hasWeight = series.hasSamples;
    return m_weightTop;
}

void CCharts::LoadCalorieSeries()
{
    HistoryScan::Series series = m_store ? m_store->CalorieSeries(firstDay(), dayCount())
                                         : HistoryScan::Series {{}, 0.0f, 1000000000.0f, false};
    m_calorieSeries = std::move(series.samples);
    m_calTop = series.top;
    m_calBottom = series.bottom;
    m_hasCalories = series.hasSamples;
}

void CCharts::BuildWeightLine()
{
    m_weightTop = LoadWeightSeries();
    const ChartGeometry geometry = chartGeometry();
    const std::vector<ChartGeometry::Point> points = geometry.VisibleLine(
        geometry.WeightPoints(m_weightSeries, m_weightTop, m_weightBottom), LineWidth);

    const WeightTrend trend(m_weightSeries);
    m_trendLine = QPainterPath();
    const std::vector<ChartGeometry::Point> trendPoints = geometry.VisibleLine(
        geometry.WeightPoints(trend.Days(firstDay(), dayCount()), m_weightTop, m_weightBottom),
        TrendWidth + 1);
    for (std::size_t i = 0; i < trendPoints.size(); ++i) {
        if (i == 0)
            m_trendLine.moveTo(toQt(trendPoints[i]));
        else
            m_trendLine.lineTo(toQt(trendPoints[i]));
    }
    m_trendText.clear();
    if (const std::optional<WeightTrend::Rate> rate = trend.RateUpTo(firstDay(), dayCount()))
        m_trendText = rate->steady()
            ? tr("Trend: steady")
            : tr("Trend: %1 per week").arg(QString::fromStdString(rate->text));

    m_weightLine = QPainterPath();
    m_shadowArrow.clear();
    m_lineArrow.clear();
    if (points.empty())
        return;
    m_firstPoint = toQt(points.front());
    m_weightLine.moveTo(m_firstPoint);
    for (std::size_t i = 1; i < points.size(); ++i)
        m_weightLine.lineTo(toQt(points[i]));
    if (points.size() > 1) {
        const ChartGeometry::Point from = points[points.size() - 2];
        const ChartGeometry::Point to = points.back();
        m_shadowArrow = arrowhead(from, to, ShadowWidth);
        m_lineArrow = arrowhead(from, to, LineWidth);
    }
}

void CCharts::BuildCalorieBars()
{
    LoadCalorieSeries();
    m_binSize = CalorieBins::sizeFor(dayCount(), chartGeometry().plotWidth());
    m_calorieBins = CalorieBins::make(m_calorieSeries, m_span, m_binSize);
    const std::vector<DaySample> burned =
        m_store ? m_store->BurnedSeries(firstDay(), dayCount()) : std::vector<DaySample> {};
    m_burnedBins = CalorieBins::make(burned, m_span, m_binSize);
    // The scale holds what was burned too, when there are eaten calories to stand beside.
    for (const CalorieBins::Bin &bin : m_burnedBins) {
        if (!m_hasCalories)
            break;
        m_calTop = std::max(m_calTop,
                            HistoryScan::RoundedTop(float(bin.average), HistoryScan::CalorieStep));
        m_calBottom = std::min(
            m_calBottom, HistoryScan::RoundedBottom(float(bin.average), HistoryScan::CalorieStep));
    }
    PlaceCalorieBars();
}

void CCharts::PlaceCalorieBars()
{
    // Without bars there is no calorie scale for a goal to stand on.
    const double goal = m_hasCalories ? m_calorieGoal : 0.0;
    const std::vector<double> raises = m_addBurned && goal > 0.0
        ? CalorieBins::goalRaises(m_calorieBins, m_burnedBins)
        : std::vector<double>(m_calorieBins.size(), 0.0);
    const double highest =
        goal + (raises.empty() ? 0.0 : *std::max_element(raises.begin(), raises.end()));
    m_calScale = ChartGeometry::CalorieScaleWithGoal(m_calTop, m_calBottom, goal);
    // The highest raised goal stretches the top only.
    m_calScale = ChartGeometry::CalorieScaleWithGoal(m_calScale.top, m_calScale.bottom, highest);
    m_hasGoal = goal > 0.0 && goal >= double(m_calScale.bottom) && goal <= double(m_calScale.top);
    const ChartGeometry geometry = chartGeometry();
    m_goalY = m_hasGoal ? geometry.ValueToY(float(goal), m_calScale.top, m_calScale.bottom) : 0.0f;
    m_calorieBars.clear();
    for (const ChartGeometry::Rect &bar :
         geometry.BinBars(m_calorieBins, m_binSize, m_calScale.top, m_calScale.bottom))
        m_calorieBars.append(QRectF(bar.x, bar.y, bar.width, bar.height));
    // A third as wide as the eaten bar, against its right edge: beside it for a day, within it
    // for a week or a month.
    m_burnedBars.clear();
    for (const ChartGeometry::Rect &bar :
         geometry.BinBars(m_burnedBins, m_binSize, m_calScale.top, m_calScale.bottom)) {
        const float width = std::max(2.0f, std::floor(bar.width / 3.0f));
        const float left = m_binSize == CalorieBins::Size::Day ? bar.x + bar.width + 1.0f
                                                               : bar.x + bar.width - width;
        m_burnedBars.append(QRectF(left, bar.y, width, bar.height));
    }
    m_raisedGoals.clear();
    if (!m_hasGoal || highest > double(m_calScale.top))
        return;
    for (std::size_t i = 0; i < raises.size(); ++i) {
        if (!(raises[i] > 0.0))
            continue;
        // Over the eaten bar, and the burned one beside it when a bar is a day.
        const QRectF &bar = m_calorieBars[qsizetype(i)];
        const float y =
            geometry.ValueToY(float(goal + raises[i]), m_calScale.top, m_calScale.bottom);
        const qreal right =
            bar.right() + (m_binSize == CalorieBins::Size::Day ? bar.width() / 3 + 1 : 0);
        m_raisedGoals.append(QLineF(bar.left() - 1, y, right + 1, y));
    }
}

void CCharts::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        UpdateCharts();
}

void CCharts::SetCalorieGoal(double kcal)
{
    m_calorieGoal = kcal > 0.0 ? kcal : 0.0;
    PlaceCalorieBars();
    describe();
    update();
}

void CCharts::SetAddBurnedToGoal(bool on)
{
    m_addBurned = on;
    PlaceCalorieBars();
    describe();
    update();
}

void CCharts::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const ChartGeometry geometry = chartGeometry();
    paintShapes(painter, geometry);
    paintTexts(painter, geometry);
    if (m_kind != ChartSpan::Kind::Strip)
        paintCalendarLabels(painter, geometry);
    paintFocus(painter, geometry);
}

void CCharts::paintShapes(QPainter &painter, const ChartGeometry &geometry) const
{
    painter.save();
    // The geometry names pixel centres; Qt's pixel centres lie half a pixel further on.
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(QColor::fromRgba(ChartColors::Grid), 1.0));
    for (int row = 0; row <= ChartGeometry::GridRows; ++row) {
        const qreal y = geometry.GridLineY(row);
        painter.drawLine(QLineF(geometry.plotLeft(), y, geometry.plotRight(), y));
    }
    if (m_kind == ChartSpan::Kind::Strip) {
        for (int column = 0; column <= ChartGeometry::GridColumns; ++column) {
            const qreal x = geometry.GridLineX(column);
            painter.drawLine(QLineF(x, geometry.plotTop(), x, geometry.plotBottom()));
        }
    } else {
        paintCalendarGrid(painter, geometry);
    }

    // The clip, in the same pixel-centre terms: the plot's columns and rows, bottom line included.
    const ChartGeometry::Rect clip = geometry.clipRect();
    painter.setClipRect(QRectF(clip.x - 0.5, clip.y - 0.5, clip.width, clip.height));

    if (m_hasCalories) {
        const QPen outline(QColor::fromRgba(ChartColors::Calories), 1.0);
        const QBrush fill(QColor::fromRgba(ChartColors::CalorieFill));
        for (const QRectF &bar : m_calorieBars) {
            painter.setPen(outline);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bar);
            painter.fillRect(bar, fill);
        }
    }

    if (m_hasCalories && !m_burnedBars.isEmpty()) {
        const QPen outline(QColor::fromRgba(ChartColors::Trend), 1.0);
        const QBrush fill(QColor::fromRgba(ChartColors::BurnedFill));
        for (const QRectF &bar : m_burnedBars) {
            painter.setPen(outline);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bar);
            painter.fillRect(bar, fill);
        }
    }

    if (m_hasGoal) {
        const QLineF across(geometry.plotLeft(), m_goalY, geometry.plotRight(), m_goalY);
        painter.setPen(QPen(QColor::fromRgba(ChartColors::CalorieGoalUnder), GoalWidth + 2));
        painter.drawLine(across);
        QPen dashes(QColor::fromRgba(ChartColors::CalorieGoal), GoalWidth, Qt::DashLine);
        dashes.setCapStyle(Qt::FlatCap);
        painter.setPen(dashes);
        painter.drawLine(across);
        painter.setPen(QPen(QColor::fromRgba(ChartColors::CalorieGoalUnder), GoalWidth + 2));
        painter.drawLines(m_raisedGoals);
        painter.setPen(QPen(QColor::fromRgba(ChartColors::CalorieGoal), GoalWidth));
        painter.drawLines(m_raisedGoals);
    }

    // Under the weights, so that each day's weight stays in sight where the two meet.
    if (!m_trendLine.isEmpty()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(linePen(ChartColors::TrendShadow, TrendWidth + 1));
        strokeLine(painter, m_trendLine.translated(0.5, 0.5));
        painter.setPen(linePen(ChartColors::Trend, TrendWidth));
        strokeLine(painter, m_trendLine);
    }

    if (m_hasWeight) {
        const QPen shadow = linePen(ChartColors::WeightShadow, ShadowWidth);
        const QPen line = linePen(ChartColors::Weight, LineWidth);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(shadow);
        strokeLine(painter, m_weightLine);
        painter.setPen(line);
        painter.drawEllipse(QRectF(m_firstPoint.x() - 2, m_firstPoint.y() - 2, 4, 4));
        strokeLine(painter, m_weightLine);

        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(ChartColors::WeightShadow));
        painter.drawPolygon(m_shadowArrow);
        painter.setBrush(QColor::fromRgba(ChartColors::Weight));
        painter.drawPolygon(m_lineArrow);
    }
    painter.restore();
}

void CCharts::paintTexts(QPainter &painter, const ChartGeometry &geometry) const
{
    const QFont title = skinFont(QStringLiteral("Arial"), 16);
    const QFont label = skinFont(QStringLiteral("Arial"), 8);
    const QColor weight = QColor::fromRgba(ChartColors::Weight);
    const QColor calories = QColor::fromRgba(ChartColors::CalorieText);
    const qreal left = geometry.plotLeft();
    const qreal right = geometry.plotRight();

    painter.setFont(title);
    if (m_hasWeight) {
        painter.setPen(weight);
        const QString name = tr("Weight");
        const QPointF at(left - 4, geometry.plotTop() - 21.0);
        ChartText::drawAnchored(painter, at, Qt::AlignLeft, name);
        if (!m_trendText.isEmpty()) {
            // Beside the title, on its baseline.
            const QFont small = skinFont(QStringLiteral("Arial"), 10);
            const QFontMetricsF big(title);
            const QFontMetricsF metrics(small);
            const QPointF beside(at.x() + big.horizontalAdvance(name) + 12,
                                 at.y() + big.ascent() - metrics.ascent());
            painter.setFont(small);
            painter.setPen(QColor::fromRgba(ChartColors::Trend));
            ChartText::drawAnchored(painter, beside, Qt::AlignLeft, m_trendText);
            painter.setFont(title);
        }
    }
    if (m_hasCalories) {
        painter.setPen(calories);
        ChartText::drawAnchored(painter, {right + 4, geometry.plotTop() - 21.0}, Qt::AlignRight,
                                tr("Calories"), ChartText::Backing::Plate);
    }

    painter.setFont(label);
    for (int row = 0; row <= ChartGeometry::GridRows; ++row) {
        const qreal y = geometry.GridLineY(row);
        if (m_hasWeight) {
            painter.setPen(weight);
            ChartText::drawAnchored(painter, {left, y}, Qt::AlignLeft,
                                    QString::fromStdString(ChartGeometry::ScaleLabel(
                                        m_weightTop, m_weightBottom, row)));
        }
        if (m_hasCalories) {
            painter.setPen(calories);
            ChartText::drawAnchored(painter, {right, y}, Qt::AlignRight,
                                    QString::fromStdString(ChartGeometry::ScaleLabel(
                                        m_calScale.top, m_calScale.bottom, row)),
                                    ChartText::Backing::Plate);
        }
    }

    if (m_hasGoal) {
        // Above its line, left of the scale's labels; below it when the line runs along the top.
        const QString goal = tr("Goal %1").arg(
            ShownNumber::text(CompactNumber::fit(m_calorieGoal, 0, ChartGeometry::MaxLabelChars)));
        const qreal height = QFontMetricsF(label).height();
        const qreal y =
            m_goalY - height - 2 < geometry.plotTop() ? m_goalY + 3 : m_goalY - height - 2;
        painter.setPen(calories);
        ChartText::drawAnchored(painter, {right - 44, y}, Qt::AlignRight, goal,
                                ChartText::Backing::Plate);
    }

    if (!m_hasWeight && !m_hasCalories) {
        const QString noData = tr("No Data");
        QFont font = skinFont(QStringLiteral("Arial"), 94);
        // A longer translation shrinks to stay as far from the right edge as from the left.
        const qreal room = width() - 2 * 60.0;
        const qreal wide = QFontMetricsF(font).horizontalAdvance(noData);
        if (wide > room)
            font.setPixelSize(int(font.pixelSize() * room / wide));
        painter.setFont(font);
        painter.setPen(QColor::fromRgba(ChartColors::NoData));
        ChartText::drawAnchored(painter, {60, 90}, Qt::AlignLeft, noData);
    }
}

#include "moc_CCharts.cpp"
