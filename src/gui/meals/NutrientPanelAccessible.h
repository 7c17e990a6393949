// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/PaintedListAccessible.h"

class CElements;

// The nutrient panel as assistive tools read it: one text a nutrient, top to bottom as shown,
// each with its total, its goal and the preview ("Fat: 8.5 g (+1.2)").
class NutrientPanelAccessible : public PaintedListAccessible
{
public:
    explicit NutrientPanelAccessible(CElements *panel);

    // Once per program, before the first panel is asked for.
    static void install();

    int itemCount() const override;
    QString itemName(int item) const override;
    QRect itemRect(int item) const override;
    QAccessible::State itemState(int item) const override;
    int currentItem() const override { return -1; }
    QAccessible::Role itemRole() const override { return QAccessible::StaticText; }

private:
    CElements *panel() const;
    // The nutrient shown in the panel's row.
    static int nutrientAt(int row);
};
