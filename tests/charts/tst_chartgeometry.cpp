// SPDX-License-Identifier: GPL-3.0-or-later
// Chart geometry on the page's real size (638 x 382): values to rows, days to columns under the
// strip's cells, the grid, the bars and the scale labels.
#include "calendar/DayFiles.h"
#include "charts/ChartGeometry.h"

#include <QtTest>

namespace {

constexpr int kWidth = 638;
constexpr int kHeight = 382;
constexpr float kColumn = 598.0f / 29.0f;

} // namespace

class TestChartGeometry : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qputenv("TZ", "UTC");
        tzset();
    }
    void daysToColumns_data();
    void daysToColumns();
    void gridBarsAndClip();
    void scaleLabels();
    void arrowhead();
};

void TestChartGeometry::daysToColumns_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<qint64>("firstDay");

    // The strip's first timestamp carries the time of day the program started at; a day stays
    // in its column whatever it is.
    const qint64 first = DayFiles::NoonOf(21, 11, 2026);
    QTest::newRow("noon") << QByteArray("UTC") << first;
    QTest::newRow("just after midnight") << QByteArray("UTC") << first - 12 * 3600 + 59;
    QTest::newRow("just before midnight") << QByteArray("UTC") << first + 11 * 3600 + 3500;
    QTest::newRow("across summer time's end")
        << QByteArray("America/New_York") << qint64(1793507400); // 1 Nov 2026 00:30 EDT
    QTest::newRow("across the end of February")
        << QByteArray("UTC") << qint64(DayFiles::NoonOf(15, 2, 2028));
}

void TestChartGeometry::daysToColumns()
{
    QFETCH(QByteArray, zone);
    QFETCH(qint64, firstDay);
    qputenv("TZ", zone);
    tzset();
    const DayFiles::LocalDate first = DayFiles::LocalDateOf(firstDay);
    const ChartGeometry geometry(kWidth, kHeight, firstDay, 29);
    const auto dayX = [&](int offset) {
        return geometry.DayX(DayFiles::NoonOf(first.day + offset, first.month, first.year));
    };
    QCOMPARE(dayX(0), 29.0f);
    QCOMPARE(dayX(28), 29.0f + 28 * kColumn);
    QCOMPARE(dayX(-400), 29.0f - 400 * kColumn); // weights long before: left of the plot
}

void TestChartGeometry::gridBarsAndClip()
{
    const ChartGeometry geometry(kWidth, kHeight, DayFiles::NoonOf(21, 11, 2026), 29);
    QCOMPARE(geometry.GridLineY(0), 20.0f);
    QCOMPARE(geometry.GridLineY(10), 342.0f);
    QCOMPARE(geometry.GridLineX(0), 20.0f);
    QCOMPARE(geometry.GridLineX(29), 618.0f);
    QCOMPARE(geometry.ValueToY(70.0f, 80.0f, 70.0f), 342.0f); // the lower bound: bottom line
    QCOMPARE(geometry.ValueToY(80.0f, 80.0f, 70.0f), 20.0f); // the upper bound: top line
    const ChartGeometry::Rect clip = geometry.clipRect();
    QCOMPARE(QRectF(clip.x, clip.y, clip.width, clip.height), QRectF(20, 20, 598, 323));

    // A total on the lower bound still shows: a bar from the bottom line down to the page's
    // edge, of which the clip keeps the bottom line.
    const std::vector<DaySample> samples {{DayFiles::NoonOf(23, 11, 2026), 1000.0f},
                                          {DayFiles::NoonOf(10, 12, 2026), 2000.0f}};
    const std::vector<ChartGeometry::Rect> bars = geometry.CalorieBars(samples, 2000.0f, 1000.0f);
    QCOMPARE(bars.size(), std::size_t(2));
    QCOMPARE(QRectF(bars[0].x, bars[0].y, bars[0].width, bars[0].height),
             QRectF(24.0 + 2 * kColumn, 342, 11, 40));
    QCOMPARE(bars[1].y, 20.0f);
}

void TestChartGeometry::scaleLabels()
{
    for (int row = 0; row <= ChartGeometry::GridRows; ++row) {
        QCOMPARE(ChartGeometry::ScaleLabel(80.0f, 70.0f, row), std::to_string(80 - row));
        QCOMPARE(ChartGeometry::ScaleLabel(2000.0f, 1000.0f, row),
                 std::to_string(2000 - 100 * row));
    }
    // Labels stay short enough for the plot's edge, whatever was typed as a weight.
    QCOMPARE(ChartGeometry::ScaleLabel(3e38f, 0.0f, 0), "3e38");
    QCOMPARE(ChartGeometry::ScaleLabel(3e38f, 0.0f, 5), "1.5e38");
    QCOMPARE(ChartGeometry::ScaleLabel(1234567.0f, 0.0f, 0), "1.23e6");
    QCOMPARE(ChartGeometry::ScaleLabel(999999.0f, 0.0f, 0), "999999");
}

void TestChartGeometry::arrowhead()
{
    // A line to the right, pen 2: the tip one pen width past its end, the base one pen width
    // before it, and as wide as two pen widths.
    const auto head = ChartGeometry::Arrowhead({0.0f, 5.0f}, {10.0f, 5.0f}, 2.0f);
    QCOMPARE(QPointF(head[0].x, head[0].y), QPointF(12, 5));
    QCOMPARE(QPointF(head[1].x, head[1].y), QPointF(8, 7));
    QCOMPARE(QPointF(head[2].x, head[2].y), QPointF(8, 3));
}

QTEST_GUILESS_MAIN(TestChartGeometry)
#include "tst_chartgeometry.moc"
