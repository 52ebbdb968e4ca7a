#include <algorithm>

#include "results.h"
#include "search_cases.h"

namespace tolvaran::bench {
namespace {

constexpr double kStartupTargetMs = 150;
constexpr double kPeakTargetMiB = 80;
constexpr int kPeakTargetRows = 100000;
constexpr int kStepColumns = 4;  // query, fill, release, paint

// The project's targets for one keystroke, in ms; negative where it sets none.
double keystrokeTargetMs(int rows, const QString& caseId) {
    if (caseId == QLatin1String("choose")) {
        return -1;
    }
    if (rows <= 1000) {
        return 2;
    }
    if (rows <= 10000) {
        return 4;
    }
    return caseId.endsWith(QLatin1String("-1")) ? 33 : 16;
}

QString ms(double v) {
    return QString::number(v, 'f', v < 10 ? 2 : 1);
}

QString verdict(double value, double target) {
    if (target < 0) {
        return QStringLiteral("—");
    }
    return QStringLiteral("< %1: %2").arg(target).arg(value < target ? "yes" : "**no**");
}

QString row(const QStringList& cells) {
    return QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
}

QString casesTable(const QVector<CaseFigure>& cases) {
    QString t = QStringLiteral(
        "### Keystrokes and choosing (median of each timed step)\n\n"
        "| rows | case | terms (rows holding them) | median ms | p90 ms | lower bound ms "
        "| ratio | target (median) |\n|---:|---|---|---:|---:|---:|---:|---|\n");
    for (const CaseFigure& c : cases) {
        const double ratio = c.lower.median > 0 ? c.real.median / c.lower.median : 0;
        t += row({QString::number(c.rows), caseTitle(c.caseId), c.terms, ms(c.real.median),
                  ms(c.real.p90), ms(c.lower.median), QString::number(ratio, 'f', 1),
                  verdict(c.real.median, keystrokeTargetMs(c.rows, c.caseId))});
    }
    return t;
}

QString stepsTable(const QVector<StepFigure>& steps, const QVector<CaseFigure>& cases) {
    QString t = QStringLiteral(
        "\n### Keystrokes taken apart (medians, ms; query = the store's search, its matching "
        "and ordering; for choosing, query = firstCommandNamed and fill = showCommand with its "
        "repaint)\n\n"
        "| rows | case | query | fill (frees the old list) | release result | paint "
        "| sum | whole (above) |\n|---:|---|---:|---:|---:|---:|---:|---:|\n");
    for (const StepFigure& s : steps) {
        QStringList cells{QString::number(s.rows), caseTitle(s.caseId)};
        double sum = 0;
        for (int i = 0; i < kStepColumns; ++i) {
            const bool has = i < s.medians.size();
            cells << (has ? ms(s.medians[i]) : QStringLiteral("—"));
            sum += has ? s.medians[i] : 0;
        }
        cells << ms(sum);
        QString whole = QStringLiteral("—");
        for (const CaseFigure& c : cases) {
            if (c.rows == s.rows && c.caseId == s.caseId) {
                whole = ms(c.real.median);
            }
        }
        t += row(cells << whole);
    }
    return t;
}

QString startupTables(const QVector<StartupFigure>& startups) {
    QString t = QStringLiteral(
        "\n### Start-up: startUp() until the window is exposed and List1 painted\n\n"
        "| library | rows | QApplication ms | first start-up ms | later start-ups, median ms "
        "| p90 ms | target (first) |\n|---|---:|---:|---:|---:|---:|---|\n");
    for (const StartupFigure& s : startups) {
        const bool isDefault = s.library.startsWith(QLatin1String("default"));
        t += row({s.library, QString::number(s.rows),
                  s.applicationMs < 0 ? QStringLiteral("—") : ms(s.applicationMs), ms(s.firstMs),
                  ms(s.warm.median), ms(s.warm.p90),
                  verdict(s.firstMs, isDefault ? kStartupTargetMs : -1)});
    }
    t += QStringLiteral(
        "\n### Start-up taken apart (medians, ms)\n\n"
        "| library | key derivation (open + key + page 1) | quick_check | read rows "
        "| SnippetTable | of which displayOrder | SnippetStore::open | open, raw key "
        "| allSnippets |\n"
        "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const StartupFigure& s : startups) {
        QStringList cells{s.library};
        for (double v : s.steps) {
            cells << ms(v);
        }
        t += row(cells);
    }
    return t;
}

QString memoryTable(const QVector<MemoryFigure>& memory) {
    QString t = QStringLiteral(
        "\n### Memory (MiB)\n\n"
        "| rows | after QApplication (RSS) | after start-up (RSS) | peak VmHWM after the run "
        "| target |\n|---:|---:|---:|---:|---|\n");
    for (const MemoryFigure& m : memory) {
        t += row({QString::number(m.rows), ms(m.baseMiB), ms(m.afterStartMiB), ms(m.peakMiB),
                  verdict(m.peakMiB, m.rows == kPeakTargetRows ? kPeakTargetMiB : -1)});
    }
    return t;
}

// Each probe section as a table with one column a library size.
QString probeTables(const QVector<ProbeFigure>& probes) {
    QVector<int> sizes;
    QStringList sections;
    for (const ProbeFigure& p : probes) {
        if (!sizes.contains(p.rows)) {
            sizes << p.rows;
        }
        if (!sections.contains(p.section)) {
            sections << p.section;
        }
    }
    std::sort(sizes.begin(), sizes.end());
    QString t;
    for (const QString& section : sections) {
        QStringList header{QStringLiteral("what")};
        QStringList rule{QStringLiteral("---")};
        for (int rows : sizes) {
            header << QStringLiteral("%1 rows").arg(rows);
            rule << QStringLiteral("---:");
        }
        t += QStringLiteral("\n### ") + section + QStringLiteral("\n\n") + row(header) + row(rule);
        QStringList labels;
        for (const ProbeFigure& p : probes) {
            if (p.section == section && !labels.contains(p.label)) {
                labels << p.label;
            }
        }
        for (const QString& label : labels) {
            QStringList cells{label};
            for (int rows : sizes) {
                QString cell = QStringLiteral("—");
                for (const ProbeFigure& p : probes) {
                    if (p.section == section && p.label == label && p.rows == rows) {
                        cell = ms(p.value);
                    }
                }
                cells << cell;
            }
            t += row(cells);
        }
    }
    return t;
}

}  // namespace

QString Results::markdown() const {
    QString text;
    if (!cases.isEmpty()) {
        text += casesTable(cases) + stepsTable(steps, cases);
    }
    if (!startups.isEmpty()) {
        text += startupTables(startups);
    }
    if (!memory.isEmpty()) {
        text += memoryTable(memory);
    }
    text += probeTables(probes);
    if (!notes.isEmpty()) {
        text += QStringLiteral("\nNotes:\n\n- ") + notes.join(QStringLiteral("\n- ")) +
                QLatin1Char('\n');
    }
    return text;
}

}  // namespace tolvaran::bench
