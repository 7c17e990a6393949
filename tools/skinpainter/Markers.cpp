// SPDX-License-Identifier: GPL-3.0-or-later
#include "Markers.h"

#include "PaintKit.h"
#include "skin/SkinColors.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

using namespace PaintKit;

namespace {

QImage tickBox(bool ticked)
{
    QImage image = canvas(24, 22);
    QPainter p(&image);
    prepare(p);
    // The row's name starts 20 pixels in, so the box keeps to the left; rows are 24 high.
    const QRectF box(2.5, 5.5, 13, 13);
    if (ticked) {
        fillRounded(p, box, 3,
                    vertical(box.top(), box.bottom(), SkinColors::GoTop, SkinColors::GoBottom));
    } else {
        fillRounded(p, box, 3, colour(SkinColors::TickFill));
    }
    strokeRounded(p, box, 3, SkinColors::TickEdge, 1.2);
    if (ticked) {
        QPainterPath check;
        check.moveTo(5.5, 12.2);
        check.lineTo(8.2, 15);
        check.lineTo(12.8, 8.8);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour(SkinColors::GoRim), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(check.translated(0, 0.7));
        p.setPen(QPen(colour(SkinColors::White), 2.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(check);
    }
    return image;
}

} // namespace

namespace Markers {

QImage selectionFrame()
{
    QImage image = canvas(34, 54);
    QPainter p(&image);
    prepare(p);
    // The strip puts this image 4 pixels left of the selected cell, whose width is about 20.6:
    // the frame hugs that cell and the image's right-hand columns stay empty.
    constexpr qreal cellLeft = 4;
    const QRectF frame(cellLeft - 2.5, 1.5, dayCellWidth() + 5, 51);
    strokeRounded(p, frame, 6, SkinColors::SelectionGlow, 3.5);
    strokeRounded(p, frame, 6, SkinColors::SelectionRed, 2);
    strokeRounded(p, frame.adjusted(1.5, 1.5, -1.5, -1.5), 4.5, SkinColors::MarkerEdge, 0.6);
    return image;
}

QImage noteIcon()
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    prepare(p);
    // A sheet with a folded top-right corner and three ruled lines.
    QPainterPath sheet;
    sheet.moveTo(2.5, 1.5);
    sheet.lineTo(10, 1.5);
    sheet.lineTo(13.5, 5);
    sheet.lineTo(13.5, 14.5);
    sheet.lineTo(2.5, 14.5);
    sheet.closeSubpath();
    p.setPen(QPen(colour(SkinColors::NoteEdge), 1));
    p.setBrush(colour(SkinColors::NotePaper));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(10, 1.5);
    fold.lineTo(10, 5);
    fold.lineTo(13.5, 5);
    p.setBrush(colour(SkinColors::NoteFold));
    p.drawPath(fold);
    for (int y : {7, 9, 11})
        hairline(p, 4, y, 11, y, SkinColors::NoteLine);
    return image;
}

QImage dataBox()
{
    QImage image = canvas(20, 18);
    QPainter p(&image);
    prepare(p);
    const QRectF box(0.5, 0.5, 19, 17);
    fillRounded(p, box, 4, colour(SkinColors::MarkerFill));
    strokeRounded(p, box, 4, SkinColors::MarkerEdge);
    return image;
}

QImage dataBoxPressed()
{
    QImage image = canvas(17, 14);
    QPainter p(&image);
    prepare(p);
    const QRectF box(0.5, 0.5, 16, 13);
    fillRounded(p, box, 3.5, colour(SkinColors::MarkerPressedFill));
    strokeRounded(p, box, 3.5, SkinColors::MarkerPressedEdge);
    return image;
}

QImage tickOn()
{
    return tickBox(true);
}

QImage tickOff()
{
    return tickBox(false);
}

QImage dropArrow()
{
    QImage image = canvas(10, 7);
    QPainter p(&image);
    prepare(p);
    QPolygonF arrow;
    arrow << QPointF(0.5, 0.5) << QPointF(9.5, 0.5) << QPointF(5, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(colour(SkinColors::TextShadow));
    p.drawPolygon(arrow.translated(0, 1));
    p.setBrush(colour(SkinColors::White));
    p.drawPolygon(arrow);
    return image;
}

QImage windowIcon()
{
    return appIcon(64);
}

QImage appIcon(int size)
{
    // Drawn on a 64-unit grid and scaled, so every size shows the same picture.
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    p.scale(size / 64.0, size / 64.0);
    const QRectF tile(2, 2, 60, 60);
    fillRounded(p, tile.translated(0, 1), 14, colour(SkinColors::SoftShadow));
    QLinearGradient base(0, tile.top(), 0, tile.bottom());
    base.setColorAt(0, colour(SkinColors::LightBlue));
    base.setColorAt(0.5, colour(SkinColors::BaseBlue));
    base.setColorAt(1, colour(SkinColors::DeepBlue));
    fillRounded(p, tile, 14, base);
    strokeRounded(p, tile.adjusted(0.5, 0.5, -0.5, -0.5), 13.5, SkinColors::ButtonHighlight);

    // A plate...
    const QPointF centre(32, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(colour(SkinColors::SoftShadow));
    p.drawEllipse(centre + QPointF(0, 1.5), 22, 22);
    p.setBrush(colour(SkinColors::White));
    p.drawEllipse(centre, 22, 22);
    p.setPen(QPen(colour(SkinColors::PlateRim), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 16, 16);

    // ...with an apple on it.
    QPainterPath apple;
    apple.moveTo(32, 27);
    apple.cubicTo(36, 23, 45, 24.5, 45, 34);
    apple.cubicTo(45, 41, 40, 47, 35.5, 46.5);
    apple.cubicTo(34, 46.2, 33, 45.6, 32, 45.6);
    apple.cubicTo(31, 45.6, 30, 46.2, 28.5, 46.5);
    apple.cubicTo(24, 47, 19, 41, 19, 34);
    apple.cubicTo(19, 24.5, 28, 23, 32, 27);
    QRadialGradient flesh(QPointF(27, 31), 17);
    flesh.setColorAt(0, colour(SkinColors::AppleLight));
    flesh.setColorAt(1, colour(SkinColors::AppleDark));
    p.setPen(Qt::NoPen);
    p.fillPath(apple, flesh);
    p.setPen(QPen(colour(SkinColors::Stem), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 27), QPointF(33.5, 20));
    QPainterPath leaf;
    leaf.moveTo(34, 22);
    leaf.cubicTo(36, 16, 42, 15.5, 44, 16.5);
    leaf.cubicTo(42, 21, 38, 23, 34, 22);
    p.setPen(Qt::NoPen);
    p.fillPath(leaf, colour(SkinColors::LeafGreen));
    // A soft highlight on the apple's shoulder.
    p.setBrush(colour(SkinColors::ButtonHighlight));
    p.drawEllipse(QPointF(25.5, 31), 2.6, 4);
    return image;
}

} // namespace Markers
