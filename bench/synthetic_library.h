#pragma once

#include <QString>
#include <QVector>

#include "snippet_database_writer.h"

namespace tolvaran::bench {

// `count` snippets that look like a real library: names mixing Chinese verbs and objects with
// tool names and a number (so that names are nearly all distinct), shell-like commands, some of
// them several lines joined by "%". The same seed gives the same rows everywhere.
QVector<SnippetRow> syntheticRows(int count, quint32 seed = 20240611);

// Lays out `folder` as an application folder: db/main.mdb holding `rows` (written with the
// program's own writer and key) and the skin beside it. Returns an empty text on success.
QString writeApplicationFolder(const QString& folder, const QVector<SnippetRow>& rows);

// The application folder the build produced, with the default library and the skin.
QString builtApplicationFolder();

}  // namespace tolvaran::bench
