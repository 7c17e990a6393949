// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealRowLayout.h"

#include "platform/CompactNumber.h"
#include "platform/NumberText.h"

MealRowLayout::MealRowLayout(int controlWidth)
    : m_amountLeft(controlWidth - 148), m_amountRight(controlWidth - 89)
{
}

MealRowLayout::Hit MealRowLayout::hitTest(int x, int y, int topRow, int entryCount) const
{
    if (topRow < 0 || y < 0)
        return {};
    const int visibleRow = y / ItemHeight;
    const int entry = topRow + visibleRow;
    if (entry >= entryCount)
        return {};
    Part part = Part::Row;
    if (x < TickWidth)
        part = Part::Tick;
    else if (m_amountLeft < x && x < m_amountRight)
        part = Part::Amount;
    return {part, entry, visibleRow};
}

MealRowLayout::Box MealRowLayout::nameBox(int top) const
{
    return {20, top, m_amountLeft - 20, ItemHeight};
}

MealRowLayout::Box MealRowLayout::amountFrame(int top) const
{
    return {m_amountLeft, top + 2, m_amountRight - m_amountLeft, ItemHeight - 4};
}

MealRowLayout::Box MealRowLayout::unitBox(int top, int clientWidth) const
{
    return {m_amountRight + 6, top, (clientWidth - 2) - m_amountRight - 10, ItemHeight};
}

MealRowLayout::Box MealRowLayout::editorBox(int visibleRow) const
{
    return {m_amountLeft + 1, ItemHeight * visibleRow + 3, m_amountRight - m_amountLeft - 1,
            ItemHeight - 5};
}

std::string MealRowLayout::amountText(float amount)
{
    return NumberText::fixed(amount, amount > 49.0f ? 0 : 1);
}

std::string MealRowLayout::amountText(float amount,
                                      const std::function<bool(const std::string &)> &fits)
{
    return CompactNumber::fit(amount, amount > 49.0f ? 0 : 1, fits);
}
