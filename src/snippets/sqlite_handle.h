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

}  // namespace tolvaran
