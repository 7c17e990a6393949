#include "charts/CCharts.h"

#include "calendar/DayFiles.h"
#include "controls/AccessibleRole.h"
#include "platform/NumberText.h"
#include "platform/SkinFont.h"
#include "skin/ChartColors.h"
#include "skin/SkinColors.h"
#include "store/DayStore.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace {

constexpr float ShadowWidth = 4.0f;
constexpr float LineWidth = 3.0f;

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

QPen linePen(std::uint32_t argb, float width)
{
    QPen pen(QColor::fromRgba(argb), width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Texts hang from their anchor: its y is their top edge, its x their start or their end, less
// a sixth of the font's size as padding (so a label ending at the plot's edge stays off its grid
// line). A dark shadow a pixel below and right keeps yellow readable on the blue skin; red is
// nearly as light as that blue, so red texts sit on a dark plate instead.
enum class Backing { Shadow, Plate };

void drawAnchored(QPainter &painter, QPointF anchor, Qt::Alignment side, const QString &text,
                  Backing backing = Backing::Shadow)
{
    const qreal padding = painter.font().pixelSize() / 6.0;
    anchor.rx() += side & Qt::AlignRight ? -padding : padding;
    const int flags = int(side | Qt::AlignTop | Qt::TextDontClip);
    const QRectF at(anchor, QSizeF(0, 0));
    const QPen pen = painter.pen();
    if (backing == Backing::Plate) {
        const QRectF plate = painter.boundingRect(at, flags, text).adjusted(-2, 0, 2, 0);
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgba(SkinColors::WeekendPlate));
        painter.drawRoundedRect(plate, 3, 3);
        painter.restore();
    } else {
        painter.setPen(QColor::fromRgba(SkinColors::TextShadow));
        painter.drawText(at.translated(1, 1), flags, text);
        painter.setPen(pen);
    }
    painter.drawText(at, flags, text);
}

} // namespace

CCharts::CCharts(QWidget *parent) : QWidget(parent)
{
    // Everything, background included, is painted in paintEvent.
    setAttribute(Qt::WA_OpaquePaintEvent);
    AccessibleRole::set(this, QAccessible::Chart);
    setAccessibleName(tr("Weight and calories of the days on the strip"));
}

ChartGeometry CCharts::chartGeometry() const
{
    return ChartGeometry(width(), height(), m_firstDay, m_dayCount);
}

void CCharts::UpdateCharts()
{
    BuildWeightLine();
    BuildCalorieBars();
    describe();
    update();
}

void CCharts::describe()
{
    const std::int64_t end = m_firstDay + std::int64_t(m_dayCount) * DayFiles::SecondsPerDay;
    const auto range = [&](const std::vector<DaySample> &series, float &low, float &high) {
        int days = 0;
        for (const DaySample &sample : series) {
            if (sample.date < m_firstDay || sample.date >= end)
                continue;
            low = days == 0 ? sample.value : std::min(low, sample.value);
            high = days == 0 ? sample.value : std::max(high, sample.value);
            ++days;
        }
        return days;
    };
    const auto number = [](float value, int decimals) {
        return QString::fromStdString(NumberText::fixed(value, decimals));
    };
    float low = 0, high = 0;
    QStringList parts;
    if (const int days = range(m_weightSeries, low, high))
        parts << tr("Weight on %n day(s), from %1 to %2.", nullptr, days)
                     .arg(number(low, 1), number(high, 1));
    else
        parts << tr("No weight on these days.");
    if (const int days = range(m_calorieSeries, low, high))
        parts << tr("Calories on %n day(s), from %1 to %2 a day.", nullptr, days)
                     .arg(number(low, 0), number(high, 0));
    else
        parts << tr("No calories on these days.");
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
    HistoryScan::Series series = m_store ? m_store->CalorieSeries(m_firstDay, m_dayCount)
                                         : HistoryScan::Series {{}, 0.0f, 1000000000.0f, false};
    m_calorieSeries = std::move(series.samples);
    m_calTop = series.top;
    m_calBottom = series.bottom;
    m_hasCalories = series.hasSamples;
}

void CCharts::BuildWeightLine()
{
    m_weightTop = LoadWeightSeries();
    const std::vector<ChartGeometry::Point> points =
        chartGeometry().WeightPoints(m_weightSeries, m_weightTop, m_weightBottom);

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
    m_calorieBars.clear();
    for (const ChartGeometry::Rect &bar :
         chartGeometry().CalorieBars(m_calorieSeries, m_calTop, m_calBottom))
        m_calorieBars.append(QRectF(bar.x, bar.y, bar.width, bar.height));
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
    for (int column = 0; column <= ChartGeometry::GridColumns; ++column) {
        const qreal x = geometry.GridLineX(column);
        painter.drawLine(QLineF(x, geometry.plotTop(), x, geometry.plotBottom()));
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

    if (m_hasWeight) {
        const QPen shadow = linePen(ChartColors::WeightShadow, ShadowWidth);
        const QPen line = linePen(ChartColors::Weight, LineWidth);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(shadow);
        painter.drawPath(m_weightLine);
        painter.setPen(line);
        painter.drawEllipse(QRectF(m_firstPoint.x() - 2, m_firstPoint.y() - 2, 4, 4));
        painter.drawPath(m_weightLine);

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
        drawAnchored(painter, {left - 4, geometry.plotTop() - 21.0}, Qt::AlignLeft,
                     QStringLiteral("Weight"));
    }
    if (m_hasCalories) {
        painter.setPen(calories);
        drawAnchored(painter, {right + 4, geometry.plotTop() - 21.0}, Qt::AlignRight,
                     QStringLiteral("Calories"), Backing::Plate);
    }

    painter.setFont(label);
    for (int row = 0; row <= ChartGeometry::GridRows; ++row) {
        const qreal y = geometry.GridLineY(row);
        if (m_hasWeight) {
            painter.setPen(weight);
            drawAnchored(painter, {left, y}, Qt::AlignLeft,
                         QString::fromStdString(
                             ChartGeometry::ScaleLabel(m_weightTop, m_weightBottom, row)));
        }
        if (m_hasCalories) {
            painter.setPen(calories);
            drawAnchored(
                painter, {right, y}, Qt::AlignRight,
                QString::fromStdString(ChartGeometry::ScaleLabel(m_calTop, m_calBottom, row)),
                Backing::Plate);
        }
    }

    if (!m_hasWeight && !m_hasCalories) {
        painter.setFont(skinFont(QStringLiteral("Arial"), 94));
        painter.setPen(QColor::fromRgba(ChartColors::NoData));
        drawAnchored(painter, {60, 90}, Qt::AlignLeft, QStringLiteral("No Data"));
    }
}
