// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Numbers shown in a place that holds only a few characters.
namespace CompactNumber {

// `value` with `decimals` decimals if that text fits, else with fewer decimals, else in the
// short exponent form "1.5e11" with as many digits as fit. Empty when not even one digit and its
// exponent fit. Only what is shown changes; the value itself is never rounded here.
std::string fit(double value, int decimals, const std::function<bool(const std::string &)> &fits);

// The same for a place of `maxChars` characters.
std::string fit(double value, int decimals, std::size_t maxChars);

} // namespace CompactNumber
