#pragma once

class CCorvaloDlg;

// The main window for keyboard and assistive-tool users: the names of its controls, the order
// Tab visits them in, and Enter in the amount box adding the portion.
namespace MainWindowAccess {

// Once the window's controls and pages exist.
void setUp(CCorvaloDlg &window);

} // namespace MainWindowAccess
