#include <QCoreApplication>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "app_folder.h"
#include "keystroke_timings.h"
#include "lower_bound.h"
#include "probes.h"
#include "process_memory.h"
#include "program_under_test.h"
#include "runs.h"
#include "synthetic_library.h"

namespace tolvaran::bench {
namespace {

constexpr int kStartupRepeats = 5;
const QString kPeakSection = QStringLiteral("Peak memory (VmHWM) after each case, MiB");

void progress(int rows, const QString& what) {
    std::fprintf(stderr, "[%d rows] %s\n", rows, qPrintable(what));
}

QString termsOf(const SearchCase& c) {
    QStringList parts;
    for (const Keystroke& k : c.keystrokes) {
        parts << QStringLiteral("%1 (%2)").arg(k.typed).arg(k.hits);
    }
    return parts.join(QStringLiteral(", "));
}

QString firstTerm(const QVector<SearchCase>& cases, const char* id) {
    for (const SearchCase& c : cases) {
        if (c.id == QLatin1String(id) && !c.keystrokes.isEmpty()) {
            return c.keystrokes.first().typed;
        }
    }
    return {};
}

QVector<SearchCase> libraryInChild(int rows, const QString& folder) {
    QProcess writer;
    writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    writer.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--write-library"), QString::number(rows), folder});
    if (!writer.waitForFinished(-1) || writer.exitCode() != 0) {
        return {};
    }
    return decodeCases(QString::fromUtf8(writer.readAllStandardOutput()));
}

void startupsAgain(Results& results, const QString& folder, int rows, double firstMs,
                   const StartupSteps& steps) {
    const QVector<double> warm = ProgramUnderTest::laterStartups(folder, kStartupRepeats);
    StartupFigure figure{
        QStringLiteral("generated, %1 rows").arg(rows), rows, -1, firstMs, summarize(warm), {}};
    results.addStartupSteps(figure, steps);
    results.startups << figure;
}

// The program's own keystrokes and choosing, each case followed by the peak memory so far.
QVector<Summary> timeRealProgram(Results& results, ProgramUnderTest& program,
                                 const QVector<SearchCase>& cases, int rows, int repeats) {
    auto notePeak = [&](const QString& after) {
        results.probes << ProbeFigure{rows, kPeakSection, after, processMemory().peakMiB};
    };
    notePeak(QStringLiteral("start-up"));
    QVector<Summary> real;
    for (const SearchCase& c : cases) {
        progress(rows, c.id);
        CaseCheck check;
        real << timeKeystrokes(program, c, repeats, &check);
        notePeak(caseTitle(c.id));
        if (!check.hitsAsExpected) {
            results.notes << QStringLiteral(
                                 "%1 rows, %2: the list did not always show the "
                                 "expected rows")
                                 .arg(rows)
                                 .arg(c.id);
        }
    }
    progress(rows, QStringLiteral("choose"));
    real << timeChoosing(program, repeats);
    notePeak(caseTitle(QStringLiteral("choose")));
    return real;
}

// The lower bound and the sub-steps of every case; `real` holds the program's figures, the
// choosing last.
void compareAndTakeApart(Results& results, ProgramUnderTest& program, const MemoryIndex& index,
                         const QVector<SearchCase>& cases, const QVector<Summary>& real, int rows,
                         int repeats) {
    LowerBound lower(index, program);
    for (int i = 0; i < cases.size(); ++i) {
        const SearchCase& c = cases[i];
        results.cases << CaseFigure{rows, c.id, termsOf(c), real[i],
                                    lower.timeKeystrokes(c, repeats)};
        const KeystrokeSteps s = timeKeystrokeSteps(program, c, repeats);
        results.steps << StepFigure{
            rows, c.id, {s.query.median, s.fill.median, s.release.median, s.paint.median}};
    }
    results.cases << CaseFigure{rows, QStringLiteral("choose"), QStringLiteral("rows in view"),
                                real.last(), lower.timeChoosing(repeats)};
    const ChoosingSteps cs = timeChoosingSteps(program, repeats);
    results.steps << StepFigure{rows, QStringLiteral("choose"), {cs.query.median, cs.show.median}};
}

}  // namespace

int writeLibrary(int rows, const QString& folder) {
    const QVector<SnippetRow> generated = syntheticRows(rows);
    const QString error = writeApplicationFolder(folder, generated);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "cannot write the library: %s\n", qPrintable(error));
        return 1;
    }
    QTextStream(stdout) << encodeCases(chooseSearchCases(generated));
    return 0;
}

Results runSize(int rows, int repeats) {
    Results results;
    QTemporaryDir folder;
    QTemporaryDir scratch;
    const QString database = databasePath(folder.path());
    progress(rows, QStringLiteral("writing the library"));
    const QVector<SearchCase> cases = libraryInChild(rows, folder.path());
    const ProcessMemory base = processMemory();
    double firstMs = 0;
    std::unique_ptr<ProgramUnderTest> program = ProgramUnderTest::start(folder.path(), &firstMs);
    if (cases.isEmpty() || !program || program->messagesShown() > 0) {
        results.notes << QStringLiteral("%1 rows: the program did not start").arg(rows);
        return results;
    }
    const ProcessMemory afterStart = processMemory();
    const QVector<Summary> real = timeRealProgram(results, *program, cases, rows, repeats);
    results.memory << MemoryFigure{rows, base.residentMiB, afterStart.residentMiB,
                                   processMemory().peakMiB};

    progress(rows, QStringLiteral("lower bound and sub-steps"));
    const MemoryIndex index(database);
    compareAndTakeApart(results, *program, index, cases, real, rows, repeats);

    progress(rows, QStringLiteral("SQL, memory and heap taken apart"));
    const QString chosen = program->list()->model()->index(0, 0).data().toString();
    probeQueries(results, rows, database, firstTerm(cases, "name-3"), firstTerm(cases, "cmd-3"),
                 chosen, repeats);
    probeInMemory(results, rows, index, firstTerm(cases, "name-3"), firstTerm(cases, "name-1"),
                  firstTerm(cases, "cmd-3"), repeats);
    probeMemory(results, rows, database);

    progress(rows, QStringLiteral("start-up"));
    program.reset();
    const StartupSteps steps =
        timeStartupSteps(folder.path(), index, scratch.path(), kStartupRepeats);
    startupsAgain(results, folder.path(), rows, firstMs, steps);
    return results;
}

}  // namespace tolvaran::bench
