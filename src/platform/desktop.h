#pragma once

#include "message_boxes.h"
#include "program_exit.h"

namespace tolvaran {

// Every effect that leaves the program or waits for a person goes through here.
struct Desktop {
    MessageBoxes& messages;
    ProgramExit& exit;
};

}  // namespace tolvaran
