// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

// The food database the build makes (tools/foodbuild), carried inside the executable: the same
// bytes the window carries as a resource, without Qt.
namespace EmbeddedFoods {

std::span<const std::uint8_t> Records();
std::span<const std::uint8_t> Table();
// The nutrient side table (NutrientData::load reads it in place).
std::span<const std::uint8_t> Nutrients();

} // namespace EmbeddedFoods
