#include "snippet_database_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "sqlite_handle.h"

namespace tolvaran {
namespace {

void bindOptional(sqlite3_stmt* stmt, int index, const std::optional<QString>& value) {
    if (!value) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    const QByteArray utf8 = value->toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                      SQLITE_TRANSIENT);
}

QString fillDatabase(sqlite3* db, const QVector<SnippetRow>& rows) {
    const char* schema =
        "PRAGMA journal_mode = OFF;"
        "BEGIN;"
        "CREATE TABLE u (na TEXT, code TEXT);";
    if (sqlite3_exec(db, schema, nullptr, nullptr, nullptr) != SQLITE_OK) {
        return lastError(db);
    }
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "INSERT INTO u (na, code) VALUES (?1, ?2)", -1, &raw, nullptr) !=
        SQLITE_OK) {
        return lastError(db);
    }
    StatementHandle insert(raw);
    for (const SnippetRow& row : rows) {
        bindOptional(insert.get(), 1, row.name);
        bindOptional(insert.get(), 2, row.command);
        if (sqlite3_step(insert.get()) != SQLITE_DONE) {
            return lastError(db);
        }
        sqlite3_reset(insert.get());
    }
    insert.reset();
    if (sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return lastError(db);
    }
    return {};
}

QString writeTo(const QString& tempPath, const QVector<SnippetRow>& rows,
                const QByteArray& password) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(tempPath).constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    DatabaseHandle db(raw);
    if (rc != SQLITE_OK) {
        return db ? lastError(db.get()) : QStringLiteral("out of memory");
    }
    if (applyDatabaseKey(db.get(), password) != SQLITE_OK) {
        return lastError(db.get());
    }
    const QString error = fillDatabase(db.get(), rows);
    if (!error.isEmpty()) {
        return error;
    }
    if (sqlite3_close(db.release()) != SQLITE_OK) {
        return QStringLiteral("could not close %1").arg(tempPath);
    }
    return {};
}

}  // namespace

QString writeSnippetDatabase(const QString& path, const QVector<SnippetRow>& rows,
                             const QByteArray& password) {
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) {
        return QStringLiteral("cannot create the folder %1").arg(target.absolutePath());
    }
    const QString tempPath = target.absoluteFilePath() + QStringLiteral(".part");
    QFile::remove(tempPath);
    QString error = writeTo(tempPath, rows, password);
    // rename() replaces the old file in one step, so a reader sees the old or the new file.
    if (error.isEmpty() && std::rename(QFile::encodeName(tempPath).constData(),
                                       QFile::encodeName(path).constData()) != 0) {
        error = QStringLiteral("cannot replace %1").arg(path);
    }
    if (!error.isEmpty()) {
        QFile::remove(tempPath);
    }
    return error;
}

}  // namespace tolvaran
