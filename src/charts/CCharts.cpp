#include "charts/CCharts.h"

#include <QPainter>

CCharts::CCharts(QWidget *parent) : QWidget(parent) { }

void CCharts::UpdateCharts()
{
    update();
}

void CCharts::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
}
