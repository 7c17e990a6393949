// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// Geometry of the meal list's rows, shared by its painting and its hit testing. x is measured
// from the list's left edge, y from the top of its client area; rows are 24 pixels high.
class MealRowLayout
{
public:
    static constexpr int ItemHeight = 24;
    static constexpr int TickWidth = 24; // a press left of this toggles the tick

    struct Box
    {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Box &) const = default;
    };

    enum class Part { None, Tick, Amount, Row };

    struct Hit
    {
        Part part = Part::None;
        int entry = -1; // index into the day's entries
        int visibleRow = -1; // counted from the top row shown
        bool operator==(const Hit &) const = default;
    };

    // The amount cell follows the control's full width (scroll bar included).
    explicit MealRowLayout(int controlWidth = 0);

    int amountLeft() const { return m_amountLeft; }
    int amountRight() const { return m_amountRight; }

    // What a press at (x, y) hits, with `topRow` the first row shown (-1 for none).
    Hit hitTest(int x, int y, int topRow, int entryCount) const;

    // Parts of a row whose top is at `top`, in a client area `clientWidth` wide.
    Box nameBox(int top) const;
    Box amountFrame(int top) const;
    int amountCentreX() const { return (m_amountLeft + m_amountRight) / 2; }
    Box unitBox(int top, int clientWidth) const;
    Box editorBox(int visibleRow) const;

    // The amount as the row shows it: one decimal up to 49, none above.
    static std::string amountText(float amount);
    // The same for a cell that holds only the texts `fits` accepts: fewer decimals, then the
    // exponent form ("1e7").
    static std::string amountText(float amount,
                                  const std::function<bool(const std::string &)> &fits);

private:
    int m_amountLeft = 0;
    int m_amountRight = 0;
};
