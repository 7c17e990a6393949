// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;

// The fixed captions of a page, painted by the page itself: a label widget each would cost a
// widget, a style sheet and a polish apiece before the first paint, for text that never changes.
class PaintedTexts
{
public:
    void add(const QRect &rect, const QString &text, const QFont &font, std::uint32_t colour,
             int flags = Qt::AlignLeft | Qt::AlignVCenter);
    void paint(QPainter &painter) const;

private:
    struct Text
    {
        QRect rect;
        QString text;
        QFont font;
        std::uint32_t colour;
        int flags;
    };
    std::vector<Text> m_texts;
};
