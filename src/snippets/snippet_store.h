#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "database_key.h"
#include "snippet_table.h"
#include "sqlite_handle.h"

namespace tolvaran {

// The command of a snippet in stored form ("%" for each line break): empty text for a NULL
// command, nothing when no row has the name.
struct CommandLookup {
    std::optional<QString> command;
    QString error;
};

// The snippet database: table u, name in column na, command in column code. The program only
// reads it. Searches find the rows whose name (or command) contains the term, "%" and "_" in
// it acting as wildcards and letter case ignored in every script; rows with no name never
// reach the list. The rows are read into memory once, when the file is opened, so that a
// keystroke never waits for the encrypted file; a chosen command is read from the file.
class SnippetStore {
public:
    struct Opened {
        std::unique_ptr<SnippetStore> store;  // null when opening failed
        QString error;                        // the engine's description of the failure
    };

    // Opens an existing database read-only and proves the password and the file by reading
    // every page of it once. Never creates or changes a file.
    static Opened open(const QString& path, const QByteArray& password = kDatabasePassword);

    // Names for the list, in display order.
    const QStringList& allSnippets() const { return m_table.names(); }
    QStringList snippetsByName(const QString& term) const;
    QStringList snippetsByCommand(const QString& term) const;
    CommandLookup firstCommandNamed(const QString& name);

private:
    explicit SnippetStore(DatabaseHandle db);
    QString load();

    DatabaseHandle m_db;
    StatementHandle m_commandById;
    SnippetTable m_table;
};

}  // namespace tolvaran
