// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the system's font configuration on a worker thread while the program starts, so that
// the first text the window lays out finds it read. Without fontconfig both do nothing, and Qt
// reads it when it first needs a font.
namespace FontSetUp {

// Once, from the GUI thread.
void start();
// Before the first font is used: Qt would otherwise read the configuration a second time.
// Returns at once when start() was not called or the reading is done.
void wait();

} // namespace FontSetUp
