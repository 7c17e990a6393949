// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaintKit.h"

#include "layout/DialogLayout.h"
#include "platform/SkinFont.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>

namespace PaintKit {

double dayCellWidth()
{
    const DialogLayout::Rect strip = DialogLayout::pixelRect(DialogLayout::DayStrip);
    return double(strip.width - 2 * DayStripMargin) / DayStripDays;
}

QColor colour(std::uint32_t argb)
{
    return QColor::fromRgba(argb);
}

namespace {
int g_scale = 1;
} // namespace

void setScale(int scale)
{
    g_scale = scale;
}

int scale()
{
    return g_scale;
}

QImage canvas(int width, int height, bool alpha)
{
    QImage image(width * g_scale, height * g_scale,
                 alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.setDevicePixelRatio(g_scale);
    image.fill(alpha ? Qt::transparent : Qt::black);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QFont arial(double points, bool bold)
{
    QFont font = skinFont(QStringLiteral("Arial"), points, bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont fittedArial(const QString &text, double points, bool bold, qreal width)
{
    QFont font = arial(points, bold);
    // Pixel sizes below 9 stop being legible, so the shrinking stops there.
    while (QFontMetricsF(font).horizontalAdvance(text) > width && font.pixelSize() > 9) {
        points -= 0.5;
        font = arial(points, bold);
    }
    if (QFontMetricsF(font).horizontalAdvance(text) > width)
        tooLong().append(text);
    return font;
}

QStringList &tooLong()
{
    static QStringList texts;
    return texts;
}

QLinearGradient vertical(qreal top, qreal bottom, std::uint32_t topColour,
                         std::uint32_t bottomColour)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, colour(topColour));
    gradient.setColorAt(1, colour(bottomColour));
    return gradient;
}

void fillRounded(QPainter &painter, const QRectF &rect, qreal radius, const QBrush &brush)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, brush);
}

void strokeRounded(QPainter &painter, const QRectF &rect, qreal radius, std::uint32_t colour,
                   qreal width)
{
    painter.save();
    painter.setPen(QPen(PaintKit::colour(colour), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void shadowedText(QPainter &painter, const QRectF &rect, int flags, const QString &text,
                  std::uint32_t colour, std::uint32_t shadow, qreal offset)
{
    painter.save();
    painter.setPen(PaintKit::colour(shadow));
    painter.drawText(rect.translated(0, offset), flags, text);
    painter.setPen(PaintKit::colour(colour));
    painter.drawText(rect, flags, text);
    painter.restore();
}

void hairline(QPainter &painter, qreal x1, qreal y1, qreal x2, qreal y2, std::uint32_t colour)
{
    painter.save();
    painter.setPen(QPen(PaintKit::colour(colour), 1.0, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
    painter.restore();
}

} // namespace PaintKit
