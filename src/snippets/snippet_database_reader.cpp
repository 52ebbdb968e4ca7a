#include "snippet_database_reader.h"

namespace tolvaran {
namespace {

std::optional<QString> optionalText(sqlite3_stmt* stmt, int col) {
    if (sqlite3_column_type(stmt, col) == SQLITE_NULL) {
        return std::nullopt;
    }
    return columnText(stmt, col);
}

}  // namespace

StoredSnippets readSnippetDatabase(const QString& path, const QByteArray& password) {
    StoredSnippets result;
    const OpenedDatabase opened = openDatabaseForReading(path, password);
    if (!opened.db) {
        result.error = opened.error;
        return result;
    }
    sqlite3* db = opened.db.get();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "select na, code from u", -1, &raw, nullptr) != SQLITE_OK) {
        result.error = lastError(db);
        return result;
    }
    const StatementHandle stmt(raw);
    int step = SQLITE_OK;
    while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        result.rows.push_back({optionalText(stmt.get(), 0), optionalText(stmt.get(), 1)});
    }
    if (step != SQLITE_DONE) {
        result.rows.clear();
        result.error = lastError(db);
    }
    return result;
}

}  // namespace tolvaran
