// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CCorvaloDlg;

// The main window for keyboard and assistive-tool users: the names of its controls, the order
// Tab visits them in, and Enter in the amount box adding the portion.
namespace MainWindowAccess {

// The names and the Tab order of the controls built so far; again after more pages are built.
void setUp(CCorvaloDlg &window);

} // namespace MainWindowAccess
