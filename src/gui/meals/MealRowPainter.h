// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/ResourceImage.h"
#include "meals/MealEntry.h"
#include "meals/MealRowLayout.h"

#include <QFont>
#include <QString>

class QPainter;
class QPoint;

// How one row of the meal list looks: the tick box, the name in up to two lines, the amount in
// its framed cell and the unit, at the places the row layout gives. A name or unit too long for
// its box ends in an ellipsis, and cutText() gives it whole for a tooltip.
class MealRowPainter
{
public:
    MealRowPainter();

    // The row whose top is at `top` in a viewport `width` wide.
    void draw(QPainter &painter, const MealRowLayout &layout, const MealEntry &entry, int top,
              int width, bool selected) const;
    // A line of text where the first row's name goes (the list says it is loading).
    void drawNotice(QPainter &painter, const MealRowLayout &layout, const QString &text) const;
    // The whole name or unit at `at` in the row whose top is at `top`, when the row shows it cut
    // short; empty anywhere else.
    QString cutText(const MealRowLayout &layout, const MealEntry &entry, int top, int width,
                    bool selected, const QPoint &at) const;

private:
    ResourceImage m_tickOn;
    ResourceImage m_tickOff;
    QFont m_textFont;
    QFont m_selectedTextFont;
    QFont m_amountFont;
    QFont m_selectedAmountFont;
};
