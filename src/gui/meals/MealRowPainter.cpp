// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealRowPainter.h"

#include "meals/ShownMeal.h"
#include "platform/ShownNumber.h"
#include "platform/SkinFont.h"
#include "platform/Text8.h"
#include "skin/SkinColors.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr qreal AmountTextWidth = 1000; // wide enough that a centred amount is never cut
constexpr int NameLines = 2; // a third line would be cut by the row's height
constexpr int UnitLines = 1;

QRectF toRect(const MealRowLayout::Box &box)
{
    return QRectF(box.x, box.y, box.width, box.height);
}

struct FittedLines
{
    QStringList lines;
    bool elided = false;
};

// The text wrapped at word boundaries into at most `maxLines` lines of `width`, the last line
// ending in an ellipsis when the text goes on.
FittedLines fitLines(const QFont &font, const QString &text, qreal width, int maxLines)
{
    FittedLines fitted;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (fitted.lines.size() == maxLines - 1) {
            const QString rest = text.mid(line.textStart()).simplified();
            const QString cut = QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width);
            fitted.elided = cut != rest;
            fitted.lines << cut;
            break;
        }
        fitted.lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return fitted;
}

// Lines centred as a block in `box`, pressed a little closer when they would not fit its height.
void drawLines(QPainter &painter, const QRectF &box, const FittedLines &fitted)
{
    if (fitted.lines.isEmpty())
        return;
    const qreal count = fitted.lines.size();
    const qreal lineHeight =
        std::min<qreal>(painter.fontMetrics().lineSpacing(), box.height() / count);
    qreal y = box.top() + (box.height() - lineHeight * count) / 2;
    for (const QString &line : fitted.lines) {
        painter.drawText(QRectF(box.left(), y, box.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, line);
        y += lineHeight;
    }
}

} // namespace

MealRowPainter::MealRowPainter()
    : m_tickOn(135, "LAYOUT"), m_tickOff(136, "LAYOUT"),
      m_textFont(skinFont(QStringLiteral("Arial"), 8)),
      m_selectedTextFont(skinFont(QStringLiteral("Arial"), 8, QFont::Bold, true)),
      m_amountFont(skinFont(QStringLiteral("Arial"), 16)),
      m_selectedAmountFont(skinFont(QStringLiteral("Arial"), 16, QFont::Bold, true))
{
}

void MealRowPainter::drawNotice(QPainter &painter, const MealRowLayout &layout,
                                const QString &text) const
{
    painter.setPen(QColor::fromRgba(SkinColors::Text));
    painter.setFont(m_textFont);
    drawLines(painter, toRect(layout.nameBox(0)), FittedLines {QStringList {text}, false});
}

void MealRowPainter::draw(QPainter &painter, const MealRowLayout &layout, const MealEntry &entry,
                          int top, int width, bool selected) const
{
    painter.drawImage(QPoint(0, top), (entry.ticked ? m_tickOn : m_tickOff).image());

    const QPen textPen(QColor::fromRgba(SkinColors::Text));
    painter.setPen(textPen);
    const QFont &textFont = selected ? m_selectedTextFont : m_textFont;
    painter.setFont(textFont);
    drawLines(painter, toRect(layout.nameBox(top)),
              fitLines(textFont, ShownMeal::name(entry.name, entry.unit), layout.nameBox(top).width,
                       NameLines));
    const MealRowLayout::Box unit = layout.unitBox(top, width);
    drawLines(painter, toRect(unit),
              fitLines(textFont, ShownMeal::unit(entry.name, entry.unit), unit.width, UnitLines));

    // Half a pixel in, so the 1-pixel frame covers whole pixels.
    const QRectF frame = toRect(layout.amountFrame(top));
    painter.setPen(QPen(QColor::fromRgba(SkinColors::AmountCellFrame), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.translated(0.5, 0.5));

    painter.setPen(textPen);
    const QFont &amountFont = selected ? m_selectedAmountFont : m_amountFont;
    painter.setFont(amountFont);
    // A long amount is shown shorter (never stored so): it stays inside its frame.
    const QFontMetricsF metrics(amountFont);
    const qreal room = frame.width() - 2;
    QString amount =
        ShownNumber::text(MealRowLayout::amountText(entry.amount, [&](const std::string &text) {
            return metrics.horizontalAdvance(ShownNumber::text(text)) <= room;
        }));
    if (amount.isEmpty())
        amount = metrics.elidedText(ShownNumber::text(MealRowLayout::amountText(entry.amount)),
                                    Qt::ElideRight, room);
    const qreal centre = layout.amountCentreX();
    painter.drawText(QRectF(centre - AmountTextWidth / 2, top, AmountTextWidth, AmountTextWidth),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, amount);
}

QString MealRowPainter::cutText(const MealRowLayout &layout, const MealEntry &entry, int top,
                                int width, bool selected, const QPoint &at) const
{
    const QFont &font = selected ? m_selectedTextFont : m_textFont;
    const MealRowLayout::Box name = layout.nameBox(top);
    const MealRowLayout::Box unit = layout.unitBox(top, width);
    QString whole;
    if (toRect(name).contains(at)) {
        whole = ShownMeal::name(entry.name, entry.unit);
        if (!fitLines(font, whole, name.width, NameLines).elided)
            whole.clear();
    } else if (toRect(unit).contains(at)) {
        whole = ShownMeal::unit(entry.name, entry.unit);
        if (!fitLines(font, whole, unit.width, UnitLines).elided)
            whole.clear();
    }
    return whole;
}
