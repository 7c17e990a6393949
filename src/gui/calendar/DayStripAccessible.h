// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/PaintedListAccessible.h"

class CTimCalentar;

// The day strip as assistive tools read it: a list of days, each named by its date in the
// user's long date format and by the markers it shows, the chosen day selected.
class DayStripAccessible : public PaintedListAccessible
{
public:
    explicit DayStripAccessible(CTimCalentar *strip);

    // Once per program, before the first strip is asked for.
    static void install();

    int itemCount() const override;
    QString itemName(int item) const override;
    QRect itemRect(int item) const override;
    QAccessible::State itemState(int item) const override;
    int currentItem() const override;

private:
    CTimCalentar *strip() const;
};
