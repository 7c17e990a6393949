// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// The one source of "now" (seconds since 1970 UTC). Tests pin it to a fixed instant.
namespace Clock {

std::int64_t now();

void setNowForTesting(std::optional<std::int64_t> fixedNow);

} // namespace Clock
