// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/PaintedListAccessible.h"

class CMealsList;

// The day's meal list as assistive tools read it: one list item a row, named "food, amount
// unit, calories", checkable by its tick box and ticked by its toggle action.
class MealsListAccessible : public PaintedListAccessible
{
public:
    explicit MealsListAccessible(CMealsList *list);

    // Once per program, before the first list is asked for.
    static void install();

    int itemCount() const override;
    QString itemName(int item) const override;
    QRect itemRect(int item) const override;
    QAccessible::State itemState(int item) const override;
    int currentItem() const override;
    QStringList itemActions(int item) const override;
    void doItemAction(int item, const QString &action) override;

private:
    CMealsList *list() const;
};
