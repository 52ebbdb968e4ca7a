#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "stats.h"
#include "sub_steps.h"

namespace tolvaran::bench {

struct CaseFigure {
    int rows = 0;
    QString caseId;
    QString terms;  // "term (hits), ..."
    Summary real;
    Summary lower;
};

// Sub-step medians of one case, in the order of its table's columns.
struct StepFigure {
    int rows = 0;
    QString caseId;
    QVector<double> medians;
};

struct StartupFigure {
    QString library;
    int rows = 0;
    double applicationMs = -1;  // constructing QApplication; negative when not measured
    double firstMs = 0;         // the first start-up of the process
    Summary warm;               // later start-ups of the same process
    QVector<double> steps;      // StartupSteps medians, in its order
};

struct MemoryFigure {
    int rows = 0;
    double baseMiB = 0;        // after QApplication
    double afterStartMiB = 0;  // after the first start-up
    double peakMiB = 0;        // VmHWM after every keystroke and choice was timed
};

// One figure of a probe that takes something apart; the tables show one column a size.
struct ProbeFigure {
    int rows = 0;
    QString section;
    QString label;
    double value = 0;
};

// Everything one run measured. A child process prints its part as lines of text; the driver
// reads them back and prints the tables.
struct Results {
    QVector<CaseFigure> cases;
    QVector<StepFigure> steps;
    QVector<StartupFigure> startups;
    QVector<MemoryFigure> memory;
    QVector<ProbeFigure> probes;
    QStringList notes;

    void addStartupSteps(StartupFigure& figure, const StartupSteps& s);
    QString serialize() const;
    void readLine(const QString& line);
    QString markdown() const;
};

}  // namespace tolvaran::bench
