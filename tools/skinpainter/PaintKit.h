// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>

// Drawing helpers shared by the image families.
namespace PaintKit {

// The day strip's cell row: this much free at each side for its arrows, then 29 equal cells.
inline constexpr int DayStripMargin = 20;
inline constexpr int DayStripDays = 29;
double dayCellWidth();

QColor colour(std::uint32_t argb);

// Every canvas has this many device pixels per layout pixel (1 or 2); painting stays in layout
// pixels, so the same code paints both sizes.
void setScale(int scale);
int scale();

// A transparent canvas of `width` x `height` layout pixels at the current scale, or an opaque
// black one when the image carries no alpha.
QImage canvas(int width, int height, bool alpha = true);

// Antialiased painting with the smooth hints every image uses.
void prepare(QPainter &painter);

QFont arial(double points, bool bold);

// Arial at `points`, shrunk in half-point steps until `text` is at most `width` pixels wide.
// A text that is still too wide at the smallest legible size is noted in tooLong().
QFont fittedArial(const QString &text, double points, bool bold, qreal width);
QStringList &tooLong();

QLinearGradient vertical(qreal top, qreal bottom, std::uint32_t topColour,
                         std::uint32_t bottomColour);

void fillRounded(QPainter &painter, const QRectF &rect, qreal radius, const QBrush &brush);
void strokeRounded(QPainter &painter, const QRectF &rect, qreal radius, std::uint32_t colour,
                   qreal width = 1.0);

// Text laid out in `rect` with `flags`, over a copy of itself `offset` pixels lower in `shadow`.
void shadowedText(QPainter &painter, const QRectF &rect, int flags, const QString &text,
                  std::uint32_t colour, std::uint32_t shadow, qreal offset = 1.0);

// A one-pixel line through pixel centres, so it lands on whole pixels.
void hairline(QPainter &painter, qreal x1, qreal y1, qreal x2, qreal y2, std::uint32_t colour);

} // namespace PaintKit
