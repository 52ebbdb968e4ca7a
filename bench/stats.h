#pragma once

#include <QElapsedTimer>
#include <QVector>

namespace tolvaran::bench {

// Median and 90th percentile (nearest rank) of a set of timings, in milliseconds.
struct Summary {
    double median = 0;
    double p90 = 0;
    int count = 0;
};

Summary summarize(QVector<double> milliseconds);

inline double elapsedMs(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Milliseconds that `work` takes.
template <typename Work>
double timeMs(Work&& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return elapsedMs(timer);
}

// The timings of `work` run `repeats` times, summarised.
template <typename Work>
Summary repeated(int repeats, Work&& work) {
    QVector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        ms << timeMs(work);
    }
    return summarize(ms);
}

}  // namespace tolvaran::bench
