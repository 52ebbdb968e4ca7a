#pragma once

namespace tolvaran::bench {

// This process's peak resident memory so far (VmHWM) and its resident memory now (VmRSS), in
// MiB, from /proc/self/status; zero where the system does not tell.
struct ProcessMemory {
    double peakMiB = 0;
    double residentMiB = 0;
};

ProcessMemory processMemory();

// Bytes the C library's allocator has handed out and not yet taken back, in MiB.
double heapInUseMiB();

}  // namespace tolvaran::bench
