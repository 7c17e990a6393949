// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodListView.h"

#include "controls/FocusRing.h"
#include "controls/PaintedListAccessible.h"
#include "food/FoodListAccessible.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTimer>

FoodListView::FoodListView(QWidget *parent) : QTableView(parent)
{
    // Before anything below makes a reader ask for the list: the answer is kept for its life.
    FoodListAccessible::install();
    // Close matches are set in italics: their face is read from disk a while after the start
    // rather than on the key press that first shows one.
    QTimer::singleShot(1500, this, [this] {
        QFont italic = font();
        italic.setItalic(true);
        QPixmap scratch(1, 1);
        QPainter painter(&scratch);
        painter.setFont(italic);
        painter.drawText(0, 0, QStringLiteral("Aa"));
    });
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Per item, the one column would never scroll: a name longer than the list could not be read.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A model reset rebuilds the sections at their default size.
    horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    updateRowHeight();

    // The selection looks the same with or without focus.
    QPalette colours = palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    setAccessibleName(tr("Foods"));
    m_focusRing = FocusRing::follow(this, viewport());
}

void FoodListView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (m_focusRing->visible()) {
        QPainter painter(viewport());
        FocusRing::paint(painter, QRectF(viewport()->rect()));
    }
}

int FoodListView::selectedRow() const
{
    if (selectionModel() == nullptr)
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void FoodListView::chooseRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return;
    selectOnly(row);
    emit rowChosen(row);
}

void FoodListView::keyPressEvent(QKeyEvent *event)
{
    const int rows = model() ? model()->rowCount() : 0;
    const int selected = selectedRow();
    int chosen = -1;
    if (event->key() == Qt::Key_Up && selected > 0)
        chosen = selected - 1;
    else if (event->key() == Qt::Key_Down && selected + 1 < rows)
        chosen = selected + 1;
    // The base class would move along the row; the list has one column, so go to its ends.
    else if (event->key() == Qt::Key_Home && rows > 0)
        chosen = 0;
    else if (event->key() == Qt::Key_End && rows > 0)
        chosen = rows - 1;
    if (chosen < 0) {
        QTableView::keyPressEvent(event);
        return;
    }
    emit rowChosen(chosen);
    // Moved here rather than by the base class, so the highlight always shows the chosen food
    // (a modifier would otherwise move only the focus).
    selectOnly(chosen);
    event->accept();
}

void FoodListView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return; // below the last row: nothing changes
    selectOnly(index.row());
    emit rowChosen(index.row());
}

void FoodListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void FoodListView::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging would move the selection away from the chosen food.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void FoodListView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void FoodListView::focusInEvent(QFocusEvent *event)
{
    m_focusArriving = true;
    QTableView::focusInEvent(event);
    m_focusArriving = false;
    PaintedListAccessible::notifyCurrentAfterFocus(this);
}

void FoodListView::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    emit focusLost();
}

void FoodListView::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(event->pos());
        emit menuRequested(index.isValid() ? index.row() : -1, event->globalPos());
        return;
    }
    // From the keyboard: under the selected row, or at the list's top left without one.
    const int row = selectedRow();
    const QRect shown = row >= 0 ? visualRect(model()->index(row, 0)) : QRect();
    const QPoint at = shown.intersects(viewport()->rect())
        ? QPoint(viewport()->rect().left() + 16, shown.bottom())
        : QPoint(16, 0);
    emit menuRequested(row, viewport()->mapToGlobal(at));
}

void FoodListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateRowHeight();
}

// The table's own events count its header cells, so a reader would announce a food some rows
// further down; the list's accessible items are its rows, and are told by row.
void FoodListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    if (current.isValid() && !m_focusArriving)
        PaintedListAccessible::notifyCurrent(this, current.row());
}

void FoodListView::selectionChanged(const QItemSelection &selected,
                                    const QItemSelection &deselected)
{
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!QAccessible::isActive())
        return;
    for (const QModelIndex &index : selected.indexes()) {
        QAccessibleEvent event(this, QAccessible::SelectionAdd);
        event.setChild(index.row());
        QAccessible::updateAccessibility(&event);
    }
    for (const QModelIndex &index : deselected.indexes()) {
        QAccessibleEvent event(this, QAccessible::SelectionRemove);
        event.setChild(index.row());
        QAccessible::updateAccessibility(&event);
    }
}

void FoodListView::selectOnly(int row)
{
    const QModelIndex index = model()->index(row, 0);
    // Taking the focus made the first row current without choosing it; the key that chooses it
    // then changes no current row, and is told here instead.
    const bool wasCurrent = index == currentIndex();
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (wasCurrent)
        PaintedListAccessible::notifyCurrent(this, row);
    scrollTo(index);
}

void FoodListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // The column is wider than the list, so the base class would also jump back to the start of
    // the names; keep the part of the names the user scrolled to.
    const int sideways = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(sideways);
}

void FoodListView::updateRowHeight()
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

#include "moc_FoodListView.cpp"
