#include "app_folder.h"
#include "database_key.h"
#include "memory_index.h"
#include "name_order.h"
#include "snippet_store.h"
#include "snippet_table.h"
#include "sqlite_handle.h"
#include "sub_steps.h"
#include "table_of_rows.h"

namespace tolvaran::bench {
namespace {

// A raw key: SQLCipher uses these 32 bytes as the page key as they are, with no stretching.
const QByteArray kRawKey = "x'2DD29CA851E7B56E4697B0E1F08507293D761A05CE4D1B628663F411A8086D99'";

// Opened and keyed as the store opens its file.
DatabaseHandle openKeyed(const QString& path) {
    return openDatabaseForReading(path, kDatabasePassword).db;
}

QString firstText(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    StatementHandle stmt(raw);
    QString text;
    if (stmt && sqlite3_step(stmt.get()) == SQLITE_ROW) {
        text = columnText(stmt.get(), 0);
    }
    return text;
}

// Every named row, read as the store reads them when it loads.
QVector<ReadRow> readRows(sqlite3* db) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, "select rowid, na, code from u where na is not null", -1, &raw, nullptr);
    StatementHandle stmt(raw);
    QVector<ReadRow> rows;
    while (stmt && sqlite3_step(stmt.get()) == SQLITE_ROW) {
        ReadRow row{sqlite3_column_int64(stmt.get(), 0), columnText(stmt.get(), 1), {}};
        if (sqlite3_column_type(stmt.get(), 2) != SQLITE_NULL) {
            row.command = columnText(stmt.get(), 2);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

StartupSteps timeStartupSteps(const QString& appFolder, const MemoryIndex& index,
                              const QString& scratchFolder, int repeats) {
    const QString path = databasePath(appFolder);
    StartupSteps s;
    {
        DatabaseHandle db = openKeyed(path);
        s.cipherVersion = firstText(db.get(), "PRAGMA cipher_version");
        s.kdfIterations = firstText(db.get(), "PRAGMA kdf_iter");
    }
    // As in SnippetStore::open: one connection, the engine's default page cache, the rows read
    // right after quick_check.
    QVector<double> keyMs, checkMs, readMs;
    QVector<ReadRow> rows;
    for (int i = 0; i < repeats; ++i) {
        DatabaseHandle db;
        keyMs << timeMs([&] {
            db = openKeyed(path);
            firstText(db.get(), "select count(*) from sqlite_master");
        });
        checkMs << timeMs([&] { firstText(db.get(), "PRAGMA quick_check"); });
        rows = QVector<ReadRow>();
        readMs << timeMs([&] { rows = readRows(db.get()); });
    }
    s.keyDerivation = summarize(keyMs);
    s.quickCheck = summarize(checkMs);
    s.readRows = summarize(readMs);
    s.table = repeated(repeats, [&] { SnippetTable table = tableOf(rows); });
    QStringList names;
    names.reserve(rows.size());
    for (const ReadRow& row : rows) {
        names << row.name;
    }
    s.displayOrder = repeated(repeats, [&] { displayOrder(names); });
    s.open = repeated(repeats, [&] { SnippetStore::open(path); });

    const QString rawKeyPath = databasePath(scratchFolder);
    if (writeSnippetDatabase(rawKeyPath, index.rows(), kRawKey).isEmpty()) {
        s.openRawKey = repeated(repeats, [&] { SnippetStore::open(rawKeyPath, kRawKey); });
    }

    const std::unique_ptr<SnippetStore> store = SnippetStore::open(path).store;
    s.allNames = repeated(repeats, [&] { store->allSnippets(); });
    return s;
}

}  // namespace tolvaran::bench
