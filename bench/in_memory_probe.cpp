#include <QBitArray>
#include <QStringMatcher>
#include <algorithm>

#include "memory_index.h"
#include "probes.h"
#include "snippet_table.h"
#include "table_of_rows.h"

namespace tolvaran::bench {
namespace {

const QString kSection = QStringLiteral("Searching and ordering in memory (medians, ms)");

// Every folded name in one text, each followed by a line break (no term holds one), with the
// place where each name starts.
struct OneText {
    QString text;
    QVector<qsizetype> starts;

    explicit OneText(const QVector<QString>& names) {
        for (const QString& name : names) {
            starts << text.size();
            text += name + QLatin1Char('\n');
        }
        starts << text.size();
    }

    // Rows holding `folded`, in row order.
    QVector<int> find(const QString& folded) const {
        QVector<int> hits;
        const QStringMatcher matcher(folded);
        qsizetype from = 0;
        qsizetype at = 0;
        while ((at = matcher.indexIn(text, from)) >= 0) {
            const auto row = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), at) -
                                              starts.begin() - 1);
            hits << row;
            from = starts[row + 1];
        }
        return hits;
    }
};

QVector<int> eachName(const QVector<QString>& folded, const QString& term) {
    QVector<int> hits;
    for (int i = 0; i < folded.size(); ++i) {
        if (folded[i].contains(term)) {
            hits << i;
        }
    }
    return hits;
}

}  // namespace

void probeInMemory(Results& results, int rows, const MemoryIndex& index, const QString& fewTerm,
                   const QString& oneCharTerm, const QString& fewCommandTerm, int repeats) {
    auto add = [&](const QString& label, const Summary& timings) {
        const double ms = timings.median;
        results.probes << ProbeFigure{rows, kSection, label, ms};
    };
    const QVector<QString>& folded = index.foldedNames();
    const OneText one(folded);
    const QString terms[] = {fewTerm.toCaseFolded(), oneCharTerm.toCaseFolded()};
    const char* kinds[] = {"3 chars, a few rows", "1 char, ~half the rows"};
    for (int t = 0; t < 2; ++t) {
        add(QStringLiteral("search, %1: QString::contains on each folded name").arg(kinds[t]),
            repeated(repeats, [&] { eachName(folded, terms[t]); }));
        add(QStringLiteral("search, %1: one folded text, QStringMatcher").arg(kinds[t]),
            repeated(repeats, [&] { one.find(terms[t]); }));
    }

    const QString commandTerm = fewCommandTerm.toCaseFolded();
    add(QStringLiteral("search commands, 3 chars, a few rows: QString::contains on each"),
        repeated(repeats, [&] { eachName(index.foldedCommands(), commandTerm); }));
    {
        const OneText commands(index.foldedCommands());
        add(QStringLiteral("search commands, 3 chars, a few rows: one folded text, QStringMatcher"),
            repeated(repeats, [&] { commands.find(commandTerm); }));
    }

    const QVector<int> hits = one.find(terms[1]);
    const QVector<int>& rank = index.ranks();
    QVector<int> rowOfRank(rank.size());
    for (int row = 0; row < rank.size(); ++row) {
        rowOfRank[rank[row]] = row;
    }
    add(QStringLiteral("order ~half the rows: std::sort of (rank, row) pairs"),
        repeated(repeats, [&] {
            QVector<std::pair<int, int>> pairs;
            pairs.reserve(hits.size());
            for (int row : hits) {
                pairs.push_back({rank[row], row});
            }
            std::sort(pairs.begin(), pairs.end());
        }));
    add(QStringLiteral("order ~half the rows: bitmap indexed by rank"), repeated(repeats, [&] {
            QBitArray found(static_cast<qsizetype>(rank.size()));
            for (int row : hits) {
                found.setBit(rank[row]);
            }
            QVector<int> ordered;
            ordered.reserve(hits.size());
            for (int r = 0; r < rank.size(); ++r) {
                if (found.testBit(r)) {
                    ordered << rowOfRank[r];
                }
            }
        }));

    // The program's own search, matching and ordering together, on a table of the same rows.
    QVector<ReadRow> stored;
    stored.reserve(index.size());
    for (int row = 0; row < index.size(); ++row) {
        const SnippetRow& r = index.rows()[row];
        stored.push_back({row + 1, r.name.value_or(QString()), r.command});
    }
    const SnippetTable table = tableOf(stored);
    for (int t = 0; t < 2; ++t) {
        add(QStringLiteral("search and order, %1: SnippetTable::namesContaining (program)")
                .arg(kinds[t]),
            repeated(repeats,
                     [&] { table.namesContaining(SnippetTable::Column::Name, terms[t]); }));
    }
    add(QStringLiteral(
            "search and order commands, 3 chars, a few rows: SnippetTable::namesContaining"),
        repeated(repeats,
                 [&] { table.namesContaining(SnippetTable::Column::Command, commandTerm); }));
}

}  // namespace tolvaran::bench
