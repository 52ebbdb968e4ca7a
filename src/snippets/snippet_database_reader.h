#pragma once

#include <QVector>

#include "database_key.h"
#include "snippet_row.h"

namespace tolvaran {

struct StoredSnippets {
    QVector<SnippetRow> rows;  // in the order the database returns them
    QString error;
};

// Reads every row of a snippet database, for the maintainer's tool; never writes.
StoredSnippets readSnippetDatabase(const QString& path,
                                   const QByteArray& password = kDatabasePassword);

}  // namespace tolvaran
