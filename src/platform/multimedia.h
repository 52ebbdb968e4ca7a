#pragma once

namespace tolvaran {

// Closes every multimedia device the process has open. Only Windows keeps such devices per
// process; elsewhere there is nothing to close.
void closeAllMultimedia();

}  // namespace tolvaran
