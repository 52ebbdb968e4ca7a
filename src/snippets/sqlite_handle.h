#pragma once

#include <sqlite3.h>

#include <QString>
#include <memory>

namespace tolvaran {

struct Sqlite3Closer {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

using DatabaseHandle = std::unique_ptr<sqlite3, Sqlite3Closer>;
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// The engine's own description of the last failure on `db`.
inline QString lastError(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// Text of column `col` of the current row; a NULL column gives a null QString.
inline QString columnText(sqlite3_stmt* stmt, int col) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
    if (bytes == nullptr) {
        return {};
    }
    return QString::fromUtf8(bytes, sqlite3_column_bytes(stmt, col));
}

// Runs `sql` on `db` and hands each result row to `row`; returns the engine's description of
// a failure, or an empty text.
template <typename RowFn>
QString eachRow(sqlite3* db, const char* sql, RowFn row) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
        return lastError(db);
    }
    const StatementHandle stmt(raw);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        row(stmt.get());
    }
    return rc == SQLITE_DONE ? QString() : lastError(db);
}

}  // namespace tolvaran
