// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/MealsListAccessible.h"

#include "meals/CMealsList.h"
#include "meals/NutrientText.h"
#include "meals/ShownMeal.h"
#include "platform/ShownNumber.h"
#include "platform/Text8.h"

#include <QItemSelectionModel>

namespace {

QAccessibleInterface *mealsListFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("CMealsList"))
        return new MealsListAccessible(static_cast<CMealsList *>(object));
    return nullptr;
}

} // namespace

MealsListAccessible::MealsListAccessible(CMealsList *list)
    : PaintedListAccessible(list, QAccessible::List)
{
}

void MealsListAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(mealsListFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

CMealsList *MealsListAccessible::list() const
{
    return static_cast<CMealsList *>(widget());
}

int MealsListAccessible::itemCount() const
{
    return int(list()->entries().size());
}

QString MealsListAccessible::itemName(int item) const
{
    const MealEntry &entry = list()->entries()[item];
    const std::string calories = NutrientText::Figure(entry.contribution(Nutrient::Calories));
    // The amount as the row shows it; the calories as the panel counts them.
    return CMealsList::tr("%1, %2 %3, %4 kcal")
        .arg(ShownMeal::name(entry.name, entry.unit),
             ShownNumber::text(MealRowLayout::amountText(entry.amount)),
             ShownMeal::unit(entry.name, entry.unit),
             calories.empty() ? QStringLiteral("0") : ShownNumber::text(calories));
}

QRect MealsListAccessible::itemRect(int item) const
{
    const QWidget *viewport = list()->viewport();
    const QRect row(0, (item - list()->topRow()) * MealRowLayout::ItemHeight, viewport->width(),
                    MealRowLayout::ItemHeight);
    const QRect shown = row.intersected(viewport->rect());
    return shown.isEmpty() ? QRect() : shown.translated(viewport->mapTo(list(), QPoint(0, 0)));
}

QAccessible::State MealsListAccessible::itemState(int item) const
{
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.checkable = true;
    state.checked = list()->entries()[item].ticked;
    const QItemSelectionModel *selection = list()->selectionModel();
    state.selected = selection && selection->isRowSelected(item, QModelIndex());
    state.focused = item == currentItem() && list()->hasFocus();
    return state;
}

QStringList MealsListAccessible::itemActions(int) const
{
    return {QAccessibleActionInterface::toggleAction(),
            QAccessibleActionInterface::setFocusAction()};
}

void MealsListAccessible::doItemAction(int item, const QString &action)
{
    if (action == QAccessibleActionInterface::toggleAction()) {
        list()->toggleTick(item);
    } else if (action == QAccessibleActionInterface::setFocusAction()) {
        list()->setFocus(Qt::OtherFocusReason);
        list()->setCurrentRow(item);
    }
}

int MealsListAccessible::currentItem() const
{
    return list()->currentIndex().row();
}
