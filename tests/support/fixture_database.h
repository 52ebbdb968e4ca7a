#pragma once

#include <QTemporaryDir>
#include <QTest>

#include "snippet_database_writer.h"

namespace tolvaran::test {

inline SnippetRow row(const char* name, const char* command) {
    return {name ? std::optional<QString>(QString::fromUtf8(name)) : std::nullopt,
            command ? std::optional<QString>(QString::fromUtf8(command)) : std::nullopt};
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
