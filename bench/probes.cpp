#include "probes.h"

#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "database_key.h"
#include "name_order.h"
#include "process_memory.h"
#include "snippet_store.h"
#include "sql_functions.h"
#include "sqlite_handle.h"

namespace tolvaran::bench {
namespace {

const QString kQuerySection = QStringLiteral("SQL taken apart (medians, ms)");
const QString kMemorySection = QStringLiteral("Heap taken apart (MiB)");

// A read-only connection keyed and cached like the store's, every page already read once.
DatabaseHandle openWarm(const QString& path, bool programFunctions) {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    DatabaseHandle db(raw);
    applyDatabaseKey(db.get(), kDatabasePassword);
    if (programFunctions) {
        registerSnippetFunctions(db.get());
    }
    const qint64 kib = std::clamp<qint64>(QFileInfo(path).size() / 1024 + 2048, 2048, 256 * 1024);
    const QByteArray pragmas = "PRAGMA cache_size = -" + QByteArray::number(kib) +
                               "; PRAGMA quick_check; PRAGMA query_only = 1;";
    sqlite3_exec(db.get(), pragmas.constData(), nullptr, nullptr, nullptr);
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
    bool programFunctions;
    int term;  // 0: name term, 1: command term, 2: chosen name
};

const Probe kProbes[] = {
    {"scan: select rowid, na from u where na is not null",
     "select rowid, na from u where na is "
     "not null",
     false, 0},
    {"name: built-in instr(na, term) > 0 (no folding)",
     "select rowid, na from u where instr(na, ?1) > 0", false, 0},
    {"name: built-in LIKE (folds ASCII only)",
     "select rowid, na from u where na like '%' || ?1 || '%'", false, 0},
    {"name: program LIKE (folds every script), rows not read",
     "select rowid, na from u where na like '%' || ?1 || '%'", true, 0},
    {"command: built-in instr(code, term) > 0",
     "select rowid, na from u where na is not null and instr(code, ?1) > 0", false, 1},
    {"command: program LIKE, rows not read",
     "select rowid, na from u where na is not null and code like '%' || ?1 || '%'", true, 1},
    {"choose: na = ?1 (binary)", "select code from u where na = ?1", false, 2},
    {"choose: na = ?1 collate nocase (ASCII)", "select code from u where na = ?1 collate nocase",
     false, 2},
    {"choose: na = ?1 collate unicase (program)",
     "select code from u where na = ?1 collate unicase", true, 2},
    {"change check: PRAGMA data_version", "PRAGMA data_version", false, 0},
    {"choose: rowid = ?1 (the id of the row the list shows)", "select code from u where rowid = ?1",
     false, 3},
};

}  // namespace

void probeQueries(Results& results, int rows, const QString& databasePath, const QString& nameTerm,
                  const QString& commandTerm, const QString& chosenName, int repeats) {
    const DatabaseHandle plain = openWarm(databasePath, false);
    const DatabaseHandle program = openWarm(databasePath, true);
    const QString terms[] = {nameTerm, commandTerm, chosenName, QString::number(rows / 2 + 1)};
    for (const Probe& p : kProbes) {
        sqlite3* db = p.programFunctions ? program.get() : plain.get();
        results.probes << ProbeFigure{rows, kQuerySection, QString::fromUtf8(p.label),
                                      medianRun(db, p.sql, terms[p.term], repeats)};
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
    add("SnippetStore::open (page cache filled by quick_check)", heapInUseMiB() - before);
    before = heapInUseMiB();
    const NameRows all = store->allSnippets();
    add("allSnippets() result (ids and names)", heapInUseMiB() - before);
    before = heapInUseMiB();
    NameOrder order;
    const QStringList names = order.sorted(all.rows);
    add("NameOrder that knows every row (sort keys, ranks; names shared)", heapInUseMiB() - before);
    before = heapInUseMiB();
    {
        const QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
        QVector<QCollatorSortKey> keys;
        keys.reserve(all.rows.size());
        for (const SnippetName& row : all.rows) {
            keys.push_back(collator.sortKey(row.name));
        }
        add("of which: the sort keys alone (QCollatorSortKey a row)", heapInUseMiB() - before);
    }
    before = heapInUseMiB();
    {
        QVector<QString> copies;
        copies.reserve(all.rows.size());
        for (const SnippetName& row : all.rows) {
            copies.push_back(QString(row.name.constData(), row.name.size()));
        }
        add("every name once more as its own QString", heapInUseMiB() - before);
    }
    before = heapInUseMiB();
    QStringList copy = names;
    copy.detach();
    add("a list of every name, names shared (what the model holds)", heapInUseMiB() - before);
}

}  // namespace tolvaran::bench
