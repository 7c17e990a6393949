// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/BackgroundSlice.h"

#include "skin/SkinColors.h"

#include <QPainter>
#include <QWidget>

BackgroundSlice::BackgroundSlice() : m_background(129, "LAYOUT") { }

void BackgroundSlice::paint(QPainter &painter, const QWidget *view) const
{
    painter.fillRect(view->rect(), QColor::fromRgba(SkinColors::ViewFill));
    const QPoint offset = view->mapTo(view->window(), QPoint(0, 0));
    ResourceImage::smoothWhenScaled(painter, m_background.image());
    painter.drawImage(-offset, m_background.image());
}
