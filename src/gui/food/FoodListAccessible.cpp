// SPDX-License-Identifier: GPL-3.0-or-later
#include "food/FoodListAccessible.h"

#include "food/FoodListView.h"

namespace {

QAccessibleInterface *foodListFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("FoodListView"))
        return new FoodListAccessible(static_cast<FoodListView *>(object));
    return nullptr;
}

} // namespace

FoodListAccessible::FoodListAccessible(FoodListView *list)
    : PaintedListAccessible(list, QAccessible::List)
{
}

void FoodListAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(foodListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

FoodListView *FoodListAccessible::list() const
{
    return static_cast<FoodListView *>(widget());
}

int FoodListAccessible::itemCount() const
{
    return list()->model() ? list()->model()->rowCount() : 0;
}

QString FoodListAccessible::itemName(int item) const
{
    return list()->model()->index(item, 0).data(Qt::AccessibleTextRole).toString();
}

QRect FoodListAccessible::itemRect(int item) const
{
    const QWidget *viewport = list()->viewport();
    const QRect shown =
        list()->visualRect(list()->model()->index(item, 0)).intersected(viewport->rect());
    return shown.isEmpty() ? QRect() : shown.translated(viewport->mapTo(list(), QPoint(0, 0)));
}

QAccessible::State FoodListAccessible::itemState(int item) const
{
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.selected = item == list()->selectedRow();
    state.focused = item == currentItem() && list()->hasFocus();
    return state;
}

int FoodListAccessible::currentItem() const
{
    return list()->currentIndex().row();
}
