// SPDX-License-Identifier: GPL-3.0-or-later
#include "meals/ShownMeal.h"

#include "meals/QuickAdd.h"
#include "platform/Text8.h"

#include <QCoreApplication>

namespace ShownMeal {

namespace {

bool shownMealIsQuickAdd(std::string_view name, std::string_view unit)
{
    return name == QuickAdd::Name && unit == QuickAdd::Unit;
}

} // namespace

QString name(std::string_view name, std::string_view unit)
{
    return shownMealIsQuickAdd(name, unit) ? QCoreApplication::translate("ShownMeal", "Quick add")
                                           : Text8::toQString(name);
}

QString unit(std::string_view name, std::string_view unit)
{
    return shownMealIsQuickAdd(name, unit) ? QCoreApplication::translate("ShownMeal", "serving")
                                           : Text8::toQString(unit);
}

QString foodName(std::string_view name)
{
    return name == QuickAdd::Name ? QCoreApplication::translate("ShownMeal", "Quick add")
                                  : Text8::toQString(name);
}

} // namespace ShownMeal
