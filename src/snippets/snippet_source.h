#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "stored_command.h"

namespace tolvaran {

// One snippet as written in the library's source: its name and its command in stored form,
// the lines joined by "%".
struct SourceEntry {
    QString name;
    QString command;
    QString file;
    int line = 0;  // line of the "== name" header
};

struct ParsedSource {
    QVector<SourceEntry> entries;
    QStringList errors;  // "file:line: what is wrong"
};

// Reads one source file (see data/README.md for the format).
ParsedSource parseSnippetSource(const QString& fileName, const QByteArray& content);

// Every name of the library must be unique; reports each repeat with the place of the first.
QStringList duplicateNameErrors(const QVector<SourceEntry>& entries);

// Writes entries back in source form, so a database can be read and compared as text.
QString formatSnippetSource(const QVector<SourceEntry>& entries);

}  // namespace tolvaran
