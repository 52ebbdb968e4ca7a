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
    result.error = eachRow(opened.db.get(), "select na, code from u", [&](sqlite3_stmt* stmt) {
        result.rows.push_back({optionalText(stmt, 0), optionalText(stmt, 1)});
    });
    if (!result.error.isEmpty()) {
        result.rows.clear();
    }
    return result;
}

}  // namespace tolvaran
