#pragma once

#include <QString>
#include <QVector>

#include "results.h"

namespace tolvaran::bench {

// Writes a generated library of `rows` rows as an application folder at `folder` and prints
// the search cases chosen for it on standard output.
int writeLibrary(int rows, const QString& folder);

// Measures one library size in this process: the library is written by a child process (so its
// making does not count in this process's peak memory), then the program is started on it.
Results runSize(int rows, int repeats);

// Measures start-up on the library the build made. `applicationMs` is how long constructing
// QApplication took in this process.
Results runDefaultStartup(double applicationMs, int repeats);

// Runs the default start-up and every size in child processes of their own and gathers what
// they print.
Results runAll(const QVector<int>& sizes, int repeats);

}  // namespace tolvaran::bench
