#pragma once

#include "calendar/DaySelection.h"
#include "charts/ChartGeometry.h"
#include "charts/DaySample.h"
#include "controls/BackgroundSlice.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>
#include <cstdint>
#include <vector>

class DayStore;

// The Charts page: the weight history as a yellow line with its scale on the left, and the daily
// calorie totals of the strip's days as translucent red bars with their scale on the right, on
// one grid whose columns stand under the day strip's cells. With two weights or more, the
// weight's trend as a thin green line and its weekly change in words beside the title; with a
// calorie goal, a line across the bars at the goal. All file reading happens in UpdateCharts;
// painting only draws what the last update prepared.
class CCharts : public QWidget
{
    Q_OBJECT

public:
    explicit CCharts(QWidget *parent = nullptr);

    // Where the history comes from; not owned. Without a store the page has no data.
    void setStore(const DayStore *store) { m_store = store; }

    // Rebuilds the series and shapes from the stored files and repaints.
    void UpdateCharts();
    // The daily calorie goal drawn across the bars; 0 for none. Reads no file.
    void SetCalorieGoal(double kcal);
    // "Trend: -0.4 per week", "Trend: steady", or empty when no trend is shown.
    const QString &trendText() const { return m_trendText; }

    // The run of days shown: the strip's, read at each update; not owned.
    void setDays(const DaySelection *days) { m_days = days; }
    std::int64_t firstDay() const { return m_days->m_firstDay; }
    int dayCount() const { return m_days->m_dayCount; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ChartGeometry chartGeometry() const;
    float LoadWeightSeries();
    void LoadCalorieSeries();
    void BuildWeightLine();
    void BuildCalorieBars();
    // The bars and the goal line on the calorie scale, stretched to hold the goal.
    void PlaceCalorieBars();
    void paintShapes(QPainter &painter, const ChartGeometry &geometry) const;
    void paintTexts(QPainter &painter, const ChartGeometry &geometry) const;
    // What the chart shows, in words, for assistive tools.
    void describe();

    static inline const DaySelection s_noDays {};
    const DaySelection *m_days = &s_noDays;

    BackgroundSlice m_background;
    const DayStore *m_store = nullptr;
    float m_weightTop = 0.0f;
    float m_weightBottom = 9999999.0f;
    float m_calTop = 0.0f;
    float m_calBottom = 1000000000.0f;
    bool m_hasWeight = false;
    bool m_hasCalories = false;
    QPointF m_firstPoint;
    QPainterPath m_weightLine;
    // The line ends in an arrowhead at the latest weight, one for each of the two pens.
    QPolygonF m_shadowArrow;
    QPolygonF m_lineArrow;
    std::vector<DaySample> m_weightSeries;
    std::vector<DaySample> m_calorieSeries;
    QVector<QRectF> m_calorieBars;
    // The calorie scale drawn: the series' bounds, stretched to hold the goal.
    ChartGeometry::Scale m_calScale;
    double m_calorieGoal = 0.0;
    bool m_hasGoal = false;
    float m_goalY = 0.0f;
    QPainterPath m_trendLine;
    QString m_trendText;
};
