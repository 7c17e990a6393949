// SPDX-License-Identifier: GPL-3.0-or-later
// The meal list's rows on the screen: scrolled by whole rows, where each row is drawn, and where
// the keys move the cursor.
#include "meals/CMealsList.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int WheelNotch = 120;

} // namespace

int CMealsList::wholeRowsShown() const
{
    return std::max(1, viewport()->height() / MealRowLayout::ItemHeight);
}

void CMealsList::updateGeometries()
{
    QScrollBar *bar = verticalScrollBar();
    const int shown = wholeRowsShown();
    bar->setRange(0, std::max(0, count() - shown));
    bar->setSingleStep(1);
    bar->setPageStep(shown);
    QAbstractItemView::updateGeometries();
}

int CMealsList::verticalOffset() const
{
    return verticalScrollBar()->value() * MealRowLayout::ItemHeight;
}

QRect CMealsList::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model())
        return {};
    return {0, (index.row() - verticalScrollBar()->value()) * MealRowLayout::ItemHeight,
            viewport()->width(), MealRowLayout::ItemHeight};
}

QModelIndex CMealsList::indexAt(const QPoint &point) const
{
    if (point.y() < 0)
        return {};
    const int row = verticalScrollBar()->value() + point.y() / MealRowLayout::ItemHeight;
    return row < count() ? model()->index(row, 0) : QModelIndex();
}

void CMealsList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    QScrollBar *bar = verticalScrollBar();
    const int row = index.row();
    const int shown = wholeRowsShown();
    switch (hint) {
    case PositionAtTop:
        bar->setValue(row);
        break;
    case PositionAtBottom:
        bar->setValue(row - shown + 1);
        break;
    case PositionAtCenter:
        bar->setValue(row - shown / 2);
        break;
    case EnsureVisible:
        if (row < bar->value())
            bar->setValue(row);
        else if (row >= bar->value() + shown)
            bar->setValue(row - shown + 1);
        break;
    }
}

QModelIndex CMealsList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    if (count() == 0)
        return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    int row = current;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        row = current < 0 ? count() - 1 : current - 1;
        break;
    case MoveDown:
    case MoveNext:
        row = current + 1;
        break;
    case MovePageUp:
        row = current - wholeRowsShown();
        break;
    case MovePageDown:
        row = current + wholeRowsShown();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = count() - 1;
        break;
    case MoveLeft:
    case MoveRight:
        return currentIndex();
    }
    return model()->index(std::clamp(row, 0, count() - 1), 0);
}

void CMealsList::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect rows = rect.normalized();
    const int first = std::max(0, indexAt(QPoint(0, std::max(0, rows.top()))).row());
    const QModelIndex last = indexAt(QPoint(0, rows.bottom()));
    const int end = last.isValid() ? last.row() : count() - 1;
    if (rows.top() >= (count() - verticalScrollBar()->value()) * MealRowLayout::ItemHeight ||
        end < first) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(model()->index(first, 0), model()->index(end, 0)),
                             command);
}

QRegion CMealsList::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            region += visualRect(model()->index(row, 0));
    }
    return region;
}

int CMealsList::topRow() const
{
    if (count() == 0)
        return -1;
    // Scrolling is by whole rows, so the scroll position is the index of the top row.
    return std::clamp(verticalScrollBar()->value(), 0, count() - 1);
}

void CMealsList::wheelEvent(QWheelEvent *event)
{
    // One row per message of at least a notch, whatever its size; smaller deltas do nothing.
    const int delta = event->angleDelta().y();
    if (std::abs(delta) >= WheelNotch) {
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(bar->value() + (delta < 0 ? 1 : -1));
    }
    event->accept();
}

void CMealsList::scrollContentsBy(int dx, int dy)
{
    QAbstractItemView::scrollContentsBy(dx, dy);
    // The background stays put while the rows move: repaint everything, not the exposed strip.
    viewport()->update();
}

void CMealsList::resizeEvent(QResizeEvent *event)
{
    QAbstractItemView::resizeEvent(event);
    m_layout = MealRowLayout(width());
}
