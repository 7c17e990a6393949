// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PaintedTexts.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

namespace {

// Smaller than this, a text is no longer read; it is cut instead.
constexpr int PaintedTextsSmallestPixels = 9;
constexpr qreal PaintedTextsSmallestPoints = 6.5;

} // namespace

void PaintedTexts::add(const QRect &rect, const QString &text, const QFont &font,
                       std::uint32_t colour, int flags)
{
    // A wrapped text that needs more lines than its place holds (a longer translation, a wider
    // font standing in for the skin's) is set smaller rather than losing its end.
    QFont fitted = font;
    if (flags & Qt::TextWordWrap) {
        const auto height = [&](const QFont &candidate) {
            return QFontMetrics(candidate).boundingRect(rect, flags, text).height();
        };
        const bool inPixels = fitted.pixelSize() > 0;
        while (height(fitted) > rect.height()) {
            if (inPixels && fitted.pixelSize() > PaintedTextsSmallestPixels)
                fitted.setPixelSize(fitted.pixelSize() - 1);
            else if (!inPixels && fitted.pointSizeF() > PaintedTextsSmallestPoints)
                fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
            else
                break;
        }
    }
    m_texts.push_back({rect, text, fitted, colour, flags});
}

void PaintedTexts::paint(QPainter &painter) const
{
    for (const Text &text : m_texts) {
        painter.setFont(text.font);
        painter.setPen(QColor::fromRgba(text.colour));
        painter.drawText(text.rect, text.flags, text.text);
    }
}
