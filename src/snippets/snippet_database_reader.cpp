#include "snippet_database_reader.h"

#include <QFile>

#include "sqlite_handle.h"

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
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    DatabaseHandle db(raw);
    if (rc != SQLITE_OK || applyDatabaseKey(db.get(), password) != SQLITE_OK) {
        result.error = db ? lastError(db.get()) : QStringLiteral("out of memory");
        return result;
    }
    sqlite3_stmt* rawStmt = nullptr;
    if (sqlite3_prepare_v2(db.get(), "select na, code from u", -1, &rawStmt, nullptr) !=
        SQLITE_OK) {
        result.error = lastError(db.get());
        return result;
    }
    StatementHandle stmt(rawStmt);
    int step = SQLITE_OK;
    while ((step = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        result.rows.push_back({optionalText(stmt.get(), 0), optionalText(stmt.get(), 1)});
    }
    if (step != SQLITE_DONE) {
        result.rows.clear();
        result.error = lastError(db.get());
    }
    return result;
}

}  // namespace tolvaran
