#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

#include "database_key.h"

namespace tolvaran {

// One row of table u as written. Either column may be NULL: the program must cope with files
// that were not written by this writer.
struct SnippetRow {
    std::optional<QString> name;
    std::optional<QString> command;
};

// Writes a complete snippet database to `path`, replacing any file there only once the new
// one is whole: the rows go to a temporary file beside it, which is then renamed. Returns an
// empty text on success, otherwise what went wrong; on failure `path` is left as it was.
QString writeSnippetDatabase(const QString& path, const QVector<SnippetRow>& rows,
                             const QByteArray& password = kDatabasePassword);

}  // namespace tolvaran
