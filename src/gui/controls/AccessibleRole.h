// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QWidget;

// Gives a plain widget that paints its content (a chart, a notice) the role assistive tools
// should announce, instead of the role of a bare widget.
namespace AccessibleRole {

void set(QWidget *widget, QAccessible::Role role);

} // namespace AccessibleRole
