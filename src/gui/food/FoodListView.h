// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

class FocusRing;

// The food list: one 600-pixel column of names, grid lines, one whole row selected at a time and
// still shown when the list loses focus.
//
// A click on a row selects it and chooses it; Up and Down choose the neighbouring row, Home and End
// the first and last, before the highlight moves there. Other keys move the highlight without
// choosing. A name wider than the list scrolls sideways; its row's tooltip holds it whole.
class FoodListView : public QTableView
{
    Q_OBJECT

public:
    static constexpr int ColumnWidth = 600;

    explicit FoodListView(QWidget *parent = nullptr);

    // The selected row, or -1.
    int selectedRow() const;
    // Selects the row, shows it and makes its food the current food, as a click does.
    void chooseRow(int row);

    // Moves only up and down: the sideways position stays where the user put it.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

signals:
    // The food in this row becomes the current food.
    void rowChosen(int row);
    void focusLost();
    // The context menu is asked for: by the mouse over a row (-1 below the rows), or by the
    // keyboard for the selected row; `at` is where it opens, in global coordinates.
    void menuRequested(int row, const QPoint &at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;

private:
    void selectOnly(int row);
    void updateRowHeight();

    FocusRing *m_focusRing = nullptr;
    // Within focusInEvent: the row made current there is told once the list's own focus is.
    bool m_focusArriving = false;
};
