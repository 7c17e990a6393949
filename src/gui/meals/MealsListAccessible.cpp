#include "meals/MealsListAccessible.h"

#include "meals/CMealsList.h"
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
    // The amount as the row shows it.
    return QStringLiteral("%1, %2 %3")
        .arg(Text8::toQString(entry.name),
             Text8::toQString(MealRowLayout::amountText(entry.amount)),
             Text8::toQString(entry.unit));
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

int MealsListAccessible::currentItem() const
{
    return list()->currentIndex().row();
}
