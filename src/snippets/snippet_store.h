#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

#include "database_key.h"
#include "sqlite_handle.h"

namespace tolvaran {

// One entry of the snippet list: the row's identity and its name.
struct SnippetName {
    qint64 id = 0;
    QString name;
};

// Rows of a list query, or the engine's description of why the query failed.
struct NameRows {
    QVector<SnippetName> rows;
    QString error;
};

// Commands of the rows with a given name, in the order the database returns them.
struct CommandRows {
    QStringList commands;
    QString error;
};

// The snippet database: table u, name in column na, command in column code (every "%" of a
// command stands for a line break). The program only reads it. Searches bind the user's text
// as a parameter; "%" and "_" in it act as wildcards, letter case is ignored in every script,
// and rows with no name never reach the list.
class SnippetStore {
public:
    struct Opened {
        std::unique_ptr<SnippetStore> store;  // null when opening failed
        QString error;                        // the engine's description of the failure
    };

    // Opens an existing database read-only and proves the password and the file by reading
    // every page of it once. Never creates or changes a file.
    static Opened open(const QString& path, const QByteArray& password = kDatabasePassword);

    NameRows allSnippets();
    NameRows snippetsByName(const QString& term);
    NameRows snippetsByCommand(const QString& term);
    CommandRows snippetNamed(const QString& name);

private:
    explicit SnippetStore(DatabaseHandle db);
    QString prepareAll();
    NameRows runNameQuery(sqlite3_stmt* stmt, const QString* term);

    DatabaseHandle m_db;
    StatementHandle m_all;
    StatementHandle m_byName;
    StatementHandle m_byCommand;
    StatementHandle m_named;
};

}  // namespace tolvaran
