// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/NewVersionCheck.h"

#include "calendar/DayFiles.h"

#include <cstdlib>

namespace NewVersionCheck {

std::int64_t Threshold(int juneDay)
{
    return DayFiles::NoonOf(juneDay, 6, 2014);
}

int RandomDay(std::int64_t now)
{
    std::srand(static_cast<unsigned>(now));
    return std::rand() % 27 + 1;
}

bool ShouldPrompt(std::int64_t now)
{
    return now >= Threshold(RandomDay(now));
}

} // namespace NewVersionCheck
