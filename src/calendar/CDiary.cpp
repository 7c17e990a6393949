#include "calendar/CDiary.h"

#include <QPainter>

CDiary::CDiary(QWidget *parent) : QWidget(parent) { }

void CDiary::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
}
