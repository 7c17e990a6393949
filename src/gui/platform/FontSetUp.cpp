// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontSetUp.h"

#include <thread>
#if defined(CORVALO_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace FontSetUp {

namespace {

std::thread &worker()
{
    static std::thread thread;
    return thread;
}

} // namespace

void start()
{
#if defined(CORVALO_HAVE_FONTCONFIG)
    if (!worker().joinable())
        worker() = std::thread([] { FcInit(); });
#endif
}

void wait()
{
    if (worker().joinable())
        worker().join();
}

} // namespace FontSetUp
