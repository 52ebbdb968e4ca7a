#pragma once

#include "program_exit.h"

namespace tolvaran {

// Ends the process straight away: open files and the database connection are released by the
// system, no destructor or event handler of the program runs any more.
class ProcessExit : public ProgramExit {
public:
    [[noreturn]] void end(int status) override;
};

}  // namespace tolvaran
