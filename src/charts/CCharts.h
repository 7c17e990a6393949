#pragma once

#include "controls/BackgroundSlice.h"

#include <QWidget>
#include <cstdint>

// The Charts page: weight and daily calories over the days of the strip.
class CCharts : public QWidget
{
    Q_OBJECT

public:
    explicit CCharts(QWidget *parent = nullptr);

    void UpdateCharts();

    std::int64_t m_firstDay = 0;
    int m_dayCount = 29;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BackgroundSlice m_background;
};
