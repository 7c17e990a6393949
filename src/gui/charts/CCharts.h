// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DayFiles.h"
#include "calendar/DaySelection.h"
#include "charts/CalorieBins.h"
#include "charts/ChartGeometry.h"
#include "charts/ChartMarks.h"
#include "charts/ChartSpan.h"
#include "charts/DaySample.h"
#include "controls/BackgroundSlice.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

class DayStore;
class QComboBox;
class SkinButton;

// The Charts page: the weight history as a yellow line with its scale on the left, and the daily
// calorie totals of the strip's days as translucent red bars with their scale on the right, on
// one grid whose columns stand under the day strip's cells. A box at the top shows a longer
// range instead (the last 4 weeks, 3 months, a year, all of the diary), its bars a week's or a
// month's average per logged day when days would be too thin; the grid then marks Mondays or
// months. Hovering a bar or a weight, or moving along them with the arrow keys, tells its date
// and values; a click or Enter opens the day (dayOpened). With two weights or more, the
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

    // Rebuilds the series and shapes from the stored files and repaints; while the page is hidden,
    // when it is next shown (a year of activity files is not read on every day switch).
    void UpdateCharts();
    // The daily calorie goal drawn across the bars; 0 for none. Reads no file.
    void SetCalorieGoal(double kcal);
    // Whether a day's calorie goal grows by the calories it burned.
    void SetAddBurnedToGoal(bool on);
    // "Trend: -0.4 per week", "Trend: steady", or empty when no trend is shown.
    const QString &trendText() const { return m_trendText; }

    // The strip, whose days are shown unless a longer range is chosen; not owned.
    void setDays(const DaySelection *days) { m_days = days; }
    // The run of days shown, as of the last update.
    std::int64_t firstDay() const { return m_span.firstDay; }
    int dayCount() const { return m_span.dayCount; }

    void setRange(ChartSpan::Kind kind);
    // The days from `first` to `last`, as a range of the user's own.
    void showDays(std::int64_t first, std::int64_t last);
    ChartSpan::Kind range() const { return m_kind; }
    QComboBox *rangeBox() const { return m_rangeBox; }
    SkinButton *reportButton() const { return m_reportButton; }
    // What the pointer or the keys stand on, as the tooltip says it; empty for nothing.
    QString markText(int mark) const;
    const std::vector<ChartMarks::Mark> &marks() const { return m_marks; }
    int focusedMark() const { return m_focusMark; }

signals:
    void dayOpened(const DayFiles::LocalDate &day);
    // The report of the days shown is asked for (firstDay(), dayCount()).
    void reportRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    ChartGeometry chartGeometry() const;
    void placeSpan();
    void fillRangeBox();
    void chooseDays();
    void placeTopControls();
    void focusMark(int mark);
    void openMark(int mark);
    void paintFocus(QPainter &painter, const ChartGeometry &geometry) const;
    void paintCalendarGrid(QPainter &painter, const ChartGeometry &geometry) const;
    void paintCalendarLabels(QPainter &painter, const ChartGeometry &geometry) const;
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

    ChartSpan::Kind m_kind = ChartSpan::Kind::Strip;
    ChartSpan m_span {0, 29};
    std::optional<ChartSpan> m_custom;
    CalorieBins::Size m_binSize = CalorieBins::Size::Day;
    std::vector<CalorieBins::Bin> m_calorieBins;
    // Calories burned by activities, on the calorie scale beside the eaten ones.
    std::vector<CalorieBins::Bin> m_burnedBins;
    QVector<QRectF> m_burnedBars;
    std::vector<ChartMarks::Mark> m_marks;
    int m_focusMark = -1;
    bool m_stale = true;
    QComboBox *m_rangeBox = nullptr;
    SkinButton *m_reportButton = nullptr;

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
    bool m_addBurned = false;
    // The goal over each bar that burned calories raise it for.
    QVector<QLineF> m_raisedGoals;
    QPainterPath m_trendLine;
    QString m_trendText;
};
