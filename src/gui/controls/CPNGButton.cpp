// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CPNGButton.h"

#include "platform/Resources.h"

#include <QMouseEvent>
#include <QPainter>

CPNGButton::CPNGButton(QWidget *parent) : StripButton(parent) { }

void CPNGButton::SetupButton(int stringId, int imageId, const char *type)
{
    SetToolTipText(Resources::string(stringId), true);
    LoadStrip(imageId, type);
    // Red times ten, green and blue gone, alpha kept; computed once, not on every paint.
    m_disabledFrame = frameImage(transformed(strip(),
                                             [](int value, int which) {
                                                 return which == 0 ? std::min(255, value * 10) : 0;
                                             }),
                                 2);
    update();
}

void CPNGButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_background.paint(painter, this);
    const Frame frame = currentFrame();
    if (frame == Frame::Disabled)
        painter.drawImage(QPoint(0, 0), m_disabledFrame);
    else
        drawFrame(painter, static_cast<int>(frame));
    drawFocusRing(painter);
}

void CPNGButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

#include "moc_CPNGButton.cpp"
