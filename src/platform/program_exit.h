#pragma once

namespace tolvaran {

// Ends the program at once: no further event handler runs, also when called from inside a
// nested event loop. Callers return straight after calling end(), so that a test's recording
// stand-in, which only notes the call, sees the same flow as the real program.
class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void end(int status) = 0;
};

}  // namespace tolvaran
