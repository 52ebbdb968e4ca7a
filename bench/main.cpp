// tolvaran-bench: times the real program's search, choosing and start-up on generated
// libraries of several sizes, against an in-memory lower bound, and prints Markdown tables.

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "runs.h"
#include "stats.h"

namespace {

using namespace tolvaran::bench;

struct Options {
    enum class Mode { All, Size, DefaultStartup, WriteLibrary, Help } mode = Mode::All;
    QVector<int> sizes{1000, 10000, 100000};
    int rows = 0;
    int repeats = 41;
    bool machine = false;  // print lines for the driver instead of tables
    QString folder;
};

constexpr const char* kUsage =
    "usage: tolvaran-bench [--sizes N,N,...] [--repeats N]\n"
    "       tolvaran-bench --rows N [--repeats N]\n"
    "       tolvaran-bench --startup-default [--repeats N]\n"
    "Without --rows or --startup-default every size and the default library are measured,\n"
    "each in a process of its own. Set QT_QPA_PLATFORM=offscreen (the default when unset).\n";

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(arg, "--rows") == 0 && hasValue) {
            o.mode = Options::Mode::Size;
            o.rows = std::atoi(argv[++i]);
        } else if (std::strcmp(arg, "--sizes") == 0 && hasValue) {
            o.sizes.clear();
            for (const QString& n : QString::fromLatin1(argv[++i]).split(QLatin1Char(','))) {
                o.sizes << n.toInt();
            }
        } else if (std::strcmp(arg, "--repeats") == 0 && hasValue) {
            o.repeats = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(arg, "--startup-default") == 0) {
            o.mode = Options::Mode::DefaultStartup;
        } else if (std::strcmp(arg, "--write-library") == 0 && i + 2 < argc) {
            o.mode = Options::Mode::WriteLibrary;
            o.rows = std::atoi(argv[++i]);
            o.folder = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(arg, "--machine") == 0) {
            o.machine = true;
        } else {
            o.mode = Options::Mode::Help;
        }
    }
    return o;
}

void print(const Results& results, bool machine) {
    QTextStream out(stdout);
    out << (machine ? results.serialize() : results.markdown());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const Options o = parse(argc, argv);
    switch (o.mode) {
        case Options::Mode::Help:
            std::fputs(kUsage, stderr);
            return 2;
        case Options::Mode::WriteLibrary: {
            QCoreApplication app(argc, argv);
            return writeLibrary(o.rows, o.folder);
        }
        case Options::Mode::All: {
            QCoreApplication app(argc, argv);
            print(runAll(o.sizes, o.repeats), false);
            return 0;
        }
        default:
            break;
    }
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    const double applicationMs = elapsedMs(timer);
    print(o.mode == Options::Mode::Size ? runSize(o.rows, o.repeats)
                                        : runDefaultStartup(applicationMs, o.repeats),
          o.machine);
    return 0;
}
