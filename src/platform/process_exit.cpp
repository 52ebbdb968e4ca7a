#include "process_exit.h"

#include <cstdio>
#include <cstdlib>

namespace tolvaran {

void ProcessExit::end(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace tolvaran
