#include "process_memory.h"

#include <malloc.h>

#include <QFile>
#include <QList>

namespace tolvaran::bench {
namespace {

double mibOf(const QByteArray& line) {
    const QList<QByteArray> parts = line.simplified().split(' ');
    return parts.size() >= 2 ? parts[1].toDouble() / 1024.0 : 0.0;  // the value is in kB
}

}  // namespace

ProcessMemory processMemory() {
    ProcessMemory m;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return m;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            m.peakMiB = mibOf(line);
        } else if (line.startsWith("VmRSS:")) {
            m.residentMiB = mibOf(line);
        }
    }
    return m;
}

double heapInUseMiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

}  // namespace tolvaran::bench
