// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/NutrientPanelAccessible.h"

#include "meals/CElements.h"
#include "meals/NutrientText.h"

namespace {

QAccessibleInterface *nutrientPanelFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("CElements"))
        return new NutrientPanelAccessible(static_cast<CElements *>(object));
    return nullptr;
}

} // namespace

NutrientPanelAccessible::NutrientPanelAccessible(CElements *panel)
    : PaintedListAccessible(panel, QAccessible::Grouping)
{
}

void NutrientPanelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(nutrientPanelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

CElements *NutrientPanelAccessible::panel() const
{
    return static_cast<CElements *>(widget());
}

int NutrientPanelAccessible::nutrientAt(int row)
{
    for (int nutrient = 0; nutrient < Nutrient::Count; ++nutrient)
        if (NutrientText::ScreenRow(nutrient) == row)
            return nutrient;
    return -1;
}

int NutrientPanelAccessible::itemCount() const
{
    return Nutrient::Count;
}

QString NutrientPanelAccessible::itemName(int item) const
{
    return panel()->spokenRow(nutrientAt(item));
}

QRect NutrientPanelAccessible::itemRect(int item) const
{
    const int nutrient = nutrientAt(item);
    return nutrient < 0 ? QRect() : panel()->rowRect(nutrient).intersected(panel()->rect());
}

QAccessible::State NutrientPanelAccessible::itemState(int) const
{
    QAccessible::State state;
    state.readOnly = true;
    return state;
}
