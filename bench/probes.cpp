#include "probes.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QFileInfo>

#include "database_key.h"
#include "process_memory.h"
#include "snippet_store.h"
#include "snippet_table.h"
#include "sqlite_handle.h"
#include "table_of_rows.h"

namespace tolvaran::bench {
namespace {

const QString kQuerySection = QStringLiteral("SQL taken apart (medians, ms)");
const QString kMemorySection = QStringLiteral("Heap taken apart (MiB)");

// A connection opened and keyed as the store opens its file, with the engine's default page
// cache as the store leaves it, every page already read once.
DatabaseHandle openWarm(const QString& path) {
    DatabaseHandle db = openDatabaseForReading(path, kDatabasePassword).db;
    sqlite3_exec(db.get(), "PRAGMA quick_check", nullptr, nullptr, nullptr);
    return db;
}

// Median time of running `sql` with `term` bound to ?1, stepping through every result row
// without reading it.
double medianRun(sqlite3* db, const char* sql, const QString& term, int repeats) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
        return -1;
    }
    StatementHandle stmt(raw);
    const QByteArray utf8 = term.toUtf8();
    QVector<double> ms;
    for (int i = 0; i < repeats + 1; ++i) {
        const double once = timeMs([&] {
            sqlite3_bind_text(stmt.get(), 1, utf8.constData(), static_cast<int>(utf8.size()),
                              SQLITE_TRANSIENT);
            while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
            }
            sqlite3_reset(stmt.get());
        });
        if (i > 0) {
            ms << once;
        }
    }
    return summarize(ms).median;
}

struct Probe {
    const char* label;
    const char* sql;
    int term;  // 0: name term, 1: command term, 2: chosen name, 3: a rowid
};

const Probe kProbes[] = {
    {"load: select rowid, na, code from u where na is not null (columns not read)",
     "select rowid, na, code from u where na is not null", 0},
    {"scan: select rowid, na from u where na is not null",
     "select rowid, na from u where na is not null", 0},
    {"name: built-in instr(na, term) > 0 (no folding)",
     "select rowid, na from u where instr(na, ?1) > 0", 0},
    {"name: built-in LIKE (folds ASCII only)",
     "select rowid, na from u where na like '%' || ?1 || '%'", 0},
    {"command: built-in instr(code, term) > 0",
     "select rowid, na from u where na is not null and instr(code, ?1) > 0", 1},
    {"choose: na = ?1 (binary)", "select code from u where na = ?1", 2},
    {"choose: na = ?1 collate nocase (ASCII)", "select code from u where na = ?1 collate nocase",
     2},
    {"choose: rowid = ?1 (what firstCommandNamed runs)", "select code from u where rowid = ?1", 3},
};

}  // namespace

void probeQueries(Results& results, int rows, const QString& databasePath, const QString& nameTerm,
                  const QString& commandTerm, const QString& chosenName, int repeats) {
    const DatabaseHandle db = openWarm(databasePath);
    const QString terms[] = {nameTerm, commandTerm, chosenName, QString::number(rows / 2 + 1)};
    for (const Probe& p : kProbes) {
        results.probes << ProbeFigure{rows, kQuerySection, QString::fromUtf8(p.label),
                                      medianRun(db.get(), p.sql, terms[p.term], repeats)};
    }
    results.notes << QStringLiteral(
                         "%1 rows, SQL taken apart with name term \"%2\", command "
                         "term \"%3\", chosen name \"%4\"")
                         .arg(rows)
                         .arg(nameTerm, commandTerm, chosenName);
}

void probeMemory(Results& results, int rows, const QString& databasePath) {
    auto add = [&](const char* label, double mib) {
        results.probes << ProbeFigure{rows, kMemorySection, QString::fromUtf8(label), mib};
    };
    add("database file", static_cast<double>(QFileInfo(databasePath).size()) / (1024.0 * 1024.0));
    double before = heapInUseMiB();
    const std::unique_ptr<SnippetStore> store = SnippetStore::open(databasePath).store;
    add("SnippetStore::open (page cache, rows held in memory)", heapInUseMiB() - before);
    before = heapInUseMiB();
    const QStringList all = store->allSnippets();
    add("allSnippets() result (the store's list, shared)", heapInUseMiB() - before);

    // The parts of the store's table, made again from the rows it reads.
    QVector<ReadRow> stored;
    {
        const DatabaseHandle db = openWarm(databasePath);
        sqlite3_stmt* raw = nullptr;
        sqlite3_prepare_v2(db.get(), "select rowid, na, code from u where na is not null", -1, &raw,
                           nullptr);
        const StatementHandle stmt(raw);
        before = heapInUseMiB();
        while (stmt && sqlite3_step(stmt.get()) == SQLITE_ROW) {
            ReadRow row{sqlite3_column_int64(stmt.get(), 0), columnText(stmt.get(), 1), {}};
            if (sqlite3_column_type(stmt.get(), 2) != SQLITE_NULL) {
                row.command = columnText(stmt.get(), 2);
            }
            stored.push_back(std::move(row));
        }
        add("the rows as read (ids, names, commands), freed after loading",
            heapInUseMiB() - before);
    }
    before = heapInUseMiB();
    {
        const SnippetTable table = tableOf(stored);
        add("a SnippetTable of them (names shared, folded texts, name hash)",
            heapInUseMiB() - before);
    }
    before = heapInUseMiB();
    {
        const QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
        QVector<QCollatorSortKey> keys;
        keys.reserve(all.size());
        for (const QString& name : all) {
            keys.push_back(collator.sortKey(name));
        }
        add("the sort keys displayOrder makes while loading (freed after)",
            heapInUseMiB() - before);
    }
    before = heapInUseMiB();
    {
        QVector<QString> copies;
        copies.reserve(all.size());
        for (const QString& name : all) {
            copies.push_back(QString(name.constData(), name.size()));
        }
        add("every name once more as its own QString", heapInUseMiB() - before);
    }
    before = heapInUseMiB();
    QStringList copy = all;
    copy.detach();
    add("a list of every name, names shared (what the model holds after a search)",
        heapInUseMiB() - before);
}

}  // namespace tolvaran::bench
