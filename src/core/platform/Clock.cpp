// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <ctime>

namespace Clock {

namespace {
std::optional<std::int64_t> s_fixedNow;
}

std::int64_t now()
{
    if (s_fixedNow)
        return *s_fixedNow;
    return static_cast<std::int64_t>(std::time(nullptr));
}

void setNowForTesting(std::optional<std::int64_t> fixedNow)
{
    s_fixedNow = fixedNow;
}

} // namespace Clock
