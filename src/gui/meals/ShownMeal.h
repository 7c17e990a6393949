// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

// A logged entry's name and unit as the window shows them. The quick add entry is stored with
// English words, the same whatever language wrote the day; the window says them in its own.
namespace ShownMeal {

QString name(std::string_view name, std::string_view unit);
QString unit(std::string_view name, std::string_view unit);
// A food among a period's sources, which are counted by name alone.
QString foodName(std::string_view name);

} // namespace ShownMeal
