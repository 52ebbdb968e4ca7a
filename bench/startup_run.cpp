#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "app_folder.h"
#include "memory_index.h"
#include "process_memory.h"
#include "program_under_test.h"
#include "runs.h"
#include "synthetic_library.h"

namespace tolvaran::bench {
namespace {

constexpr int kStartupRepeats = 10;

}  // namespace

Results runDefaultStartup(double applicationMs, int repeats) {
    Results results;
    const QString folder = builtApplicationFolder();
    const ProcessMemory base = processMemory();
    double firstMs = 0;
    std::unique_ptr<ProgramUnderTest> program = ProgramUnderTest::start(folder, &firstMs);
    if (!program || program->messagesShown() > 0) {
        results.notes << QStringLiteral("default library: the program did not start");
        return results;
    }
    const ProcessMemory afterStart = processMemory();
    program.reset();
    const QVector<double> warm = ProgramUnderTest::laterStartups(folder, kStartupRepeats);
    const MemoryIndex index(databasePath(folder));
    QTemporaryDir scratch;
    const StartupSteps steps = timeStartupSteps(folder, index, scratch.path(), repeats);
    StartupFigure figure{QStringLiteral("default (data/snippets)"),
                         index.size(),
                         applicationMs,
                         firstMs,
                         summarize(warm),
                         {}};
    results.addStartupSteps(figure, steps);
    results.startups << figure;
    results.memory << MemoryFigure{index.size(), base.residentMiB, afterStart.residentMiB,
                                   processMemory().peakMiB};
    return results;
}

Results runAll(const QVector<int>& sizes, int repeats) {
    QVector<QStringList> runs{{QStringLiteral("--startup-default")}};
    for (int rows : sizes) {
        runs << QStringList{QStringLiteral("--rows"), QString::number(rows)};
    }
    Results results;
    results.notes << QStringLiteral("Qt %1, platform %2, %3 logical CPUs, %4 timed steps a case")
                         .arg(QLatin1String(qVersion()),
                              QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM")))
                         .arg(QThread::idealThreadCount())
                         .arg(repeats);
    for (const QStringList& args : runs) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    args + QStringList{QStringLiteral("--machine"), QStringLiteral("--repeats"),
                                       QString::number(repeats)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            results.notes << QStringLiteral("%1 failed").arg(args.join(QLatin1Char(' ')));
        }
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            results.readLine(line);
        }
    }
    return results;
}

}  // namespace tolvaran::bench
