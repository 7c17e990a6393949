#include "controls/PaintedTexts.h"

#include <QColor>
#include <QPainter>

void PaintedTexts::add(const QRect &rect, const QString &text, const QFont &font,
                       std::uint32_t colour, int flags)
{
    m_texts.push_back({rect, text, font, colour, flags});
}

void PaintedTexts::paint(QPainter &painter) const
{
    for (const Text &text : m_texts) {
        painter.setFont(text.font);
        painter.setPen(QColor::fromRgba(text.colour));
        painter.drawText(text.rect, text.flags, text.text);
    }
}
