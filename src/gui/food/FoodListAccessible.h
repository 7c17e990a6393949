// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/PaintedListAccessible.h"

class FoodListView;

// The food list as assistive tools read it: a list whose items are the foods shown, named by
// the food, rather than the one-column table it is drawn as.
class FoodListAccessible : public PaintedListAccessible
{
public:
    explicit FoodListAccessible(FoodListView *list);

    // Once per program, before the first list is asked for.
    static void install();

    int itemCount() const override;
    QString itemName(int item) const override;
    QRect itemRect(int item) const override;
    QAccessible::State itemState(int item) const override;
    int currentItem() const override;

private:
    FoodListView *list() const;
};
