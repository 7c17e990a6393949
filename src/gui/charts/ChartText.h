// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/SkinColors.h"

#include <QPainter>
#include <QString>

namespace ChartText {

// Texts hang from their anchor: its y is their top edge, its x their start or their end, less
// a sixth of the font's size as padding (so a label ending at the plot's edge stays off its grid
// line). A dark shadow a pixel below and right keeps yellow readable on the blue skin; red is
// nearly as light as that blue, so red texts sit on a dark plate instead.
enum class Backing { Shadow, Plate };

inline void drawAnchored(QPainter &painter, QPointF anchor, Qt::Alignment side, const QString &text,
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

} // namespace ChartText
