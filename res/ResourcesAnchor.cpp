// SPDX-License-Identifier: GPL-3.0-or-later
// The resources themselves are compiled in by qt_add_resources; a static library needs one
// translation unit of its own.
namespace CorvaloResources {
int anchor = 0;
}
