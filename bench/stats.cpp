#include "stats.h"

#include <algorithm>
#include <cmath>

namespace tolvaran::bench {

Summary summarize(QVector<double> milliseconds) {
    Summary s;
    s.count = static_cast<int>(milliseconds.size());
    if (milliseconds.isEmpty()) {
        return s;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const qsizetype n = milliseconds.size();
    s.median =
        n % 2 == 1 ? milliseconds[n / 2] : (milliseconds[n / 2 - 1] + milliseconds[n / 2]) / 2.0;
    const auto rank = static_cast<qsizetype>(std::ceil(0.9 * static_cast<double>(n)));
    s.p90 = milliseconds[std::clamp<qsizetype>(rank, 1, n) - 1];
    return s;
}

}  // namespace tolvaran::bench
