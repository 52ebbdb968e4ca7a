#include "results.h"

namespace tolvaran::bench {
namespace {

const QChar kTab = QLatin1Char('\t');

QString num(double v) {
    return QString::number(v, 'f', 3);
}

QString joinNumbers(const QVector<double>& values) {
    QStringList parts;
    for (double v : values) {
        parts << num(v);
    }
    return parts.join(QLatin1Char(' '));
}

QVector<double> splitNumbers(const QString& text) {
    QVector<double> values;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        values << part.toDouble();
    }
    return values;
}

}  // namespace

void Results::addStartupSteps(StartupFigure& figure, const StartupSteps& s) {
    figure.steps = {s.keyDerivation.median, s.quickCheck.median,   s.readRows.median,
                    s.table.median,         s.displayOrder.median, s.open.median,
                    s.openRawKey.median,    s.allNames.median};
    notes << QStringLiteral("%1: SQLCipher %2, kdf_iter %3")
                 .arg(figure.library, s.cipherVersion, s.kdfIterations);
}

QString Results::serialize() const {
    QStringList lines;
    for (const CaseFigure& c : cases) {
        lines << QStringList{QStringLiteral("case"),
                             QString::number(c.rows),
                             c.caseId,
                             c.terms,
                             num(c.real.median),
                             num(c.real.p90),
                             QString::number(c.real.count),
                             num(c.lower.median),
                             num(c.lower.p90)}
                     .join(kTab);
    }
    for (const StepFigure& s : steps) {
        lines << QStringList{QStringLiteral("steps"), QString::number(s.rows), s.caseId,
                             joinNumbers(s.medians)}
                     .join(kTab);
    }
    for (const StartupFigure& s : startups) {
        lines << QStringList{QStringLiteral("startup"),
                             s.library,
                             QString::number(s.rows),
                             num(s.applicationMs),
                             num(s.firstMs),
                             num(s.warm.median),
                             num(s.warm.p90),
                             QString::number(s.warm.count),
                             joinNumbers(s.steps)}
                     .join(kTab);
    }
    for (const MemoryFigure& m : memory) {
        lines << QStringList{QStringLiteral("memory"), QString::number(m.rows), num(m.baseMiB),
                             num(m.afterStartMiB), num(m.peakMiB)}
                     .join(kTab);
    }
    for (const ProbeFigure& p : probes) {
        lines << QStringList{QStringLiteral("probe"), QString::number(p.rows), p.section, p.label,
                             num(p.value)}
                     .join(kTab);
    }
    for (const QString& note : notes) {
        lines << QStringLiteral("note") + kTab + note;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void Results::readLine(const QString& line) {
    const QStringList f = line.split(kTab);
    const QString& kind = f.value(0);
    if (kind == QLatin1String("case") && f.size() == 9) {
        cases.push_back({f[1].toInt(),
                         f[2],
                         f[3],
                         {f[4].toDouble(), f[5].toDouble(), f[6].toInt()},
                         {f[7].toDouble(), f[8].toDouble(), f[6].toInt()}});
    } else if (kind == QLatin1String("steps") && f.size() == 4) {
        steps.push_back({f[1].toInt(), f[2], splitNumbers(f[3])});
    } else if (kind == QLatin1String("startup") && f.size() == 9) {
        startups.push_back({f[1],
                            f[2].toInt(),
                            f[3].toDouble(),
                            f[4].toDouble(),
                            {f[5].toDouble(), f[6].toDouble(), f[7].toInt()},
                            splitNumbers(f[8])});
    } else if (kind == QLatin1String("memory") && f.size() == 5) {
        memory.push_back({f[1].toInt(), f[2].toDouble(), f[3].toDouble(), f[4].toDouble()});
    } else if (kind == QLatin1String("probe") && f.size() == 5) {
        probes.push_back({f[1].toInt(), f[2], f[3], f[4].toDouble()});
    } else if (kind == QLatin1String("note") && f.size() >= 2) {
        notes << f.mid(1).join(kTab);
    }
}

}  // namespace tolvaran::bench
