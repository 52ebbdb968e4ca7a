#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "database_key.h"
#include "snippet_row.h"

namespace tolvaran {

// Writes a complete snippet database to `path`, replacing any file there only once the new
// one is whole: the rows go to a temporary file beside it, which is then renamed. Returns an
// empty text on success, otherwise what went wrong; on failure `path` is left as it was.
QString writeSnippetDatabase(const QString& path, const QVector<SnippetRow>& rows,
                             const QByteArray& password = kDatabasePassword);

}  // namespace tolvaran
