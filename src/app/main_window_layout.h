#pragma once

class QWidget;

namespace tolvaran {

struct BrowserWidgets;

// Creates the window's top-level controls in the order the window holds them, each at its
// place, and hands back the ones the snippet browser works on.
BrowserWidgets buildMainWindowControls(QWidget* window);

}  // namespace tolvaran
