#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "snippet_database_writer.h"
#include "sqlite_handle.h"

namespace tolvaran::test {

inline SnippetRow row(const char* name, const char* command) {
    return {name ? std::optional<QString>(QString::fromUtf8(name)) : std::nullopt,
            command ? std::optional<QString>(QString::fromUtf8(command)) : std::nullopt};
}

// Changes a database as another program might: runs `sql` on it with the given password.
inline bool runSql(const QString& path, const QByteArray& password, const char* sql) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open(QFile::encodeName(path).constData(), &raw);
    const DatabaseHandle db(raw);
    return rc == SQLITE_OK && applyDatabaseKey(db.get(), password) == SQLITE_OK &&
           sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// An application folder in a temporary directory, with db/main.mdb written from `rows`.
class FixtureFolder {
public:
    explicit FixtureFolder(const QVector<SnippetRow>& rows,
                           const QByteArray& password = kDatabasePassword) {
        const QString error = writeSnippetDatabase(databasePath(), rows, password);
        if (!error.isEmpty()) {
            qFatal("cannot write the fixture database: %s", qPrintable(error));
        }
    }
    FixtureFolder() = default;  // no database at all

    QString path() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.path() + QStringLiteral("/db/main.mdb"); }

private:
    QTemporaryDir m_dir;
};

}  // namespace tolvaran::test
