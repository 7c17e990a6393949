// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CCorvaloApp.h"

int main(int argc, char *argv[])
{
    CCorvaloApp app(argc, argv);
    return app.run();
}
