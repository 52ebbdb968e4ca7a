#pragma once

#include <QVector>
#include <optional>

#include "snippet_table.h"

namespace tolvaran::bench {

// A named row as the store reads it when it loads.
struct ReadRow {
    qint64 id = 0;
    QString name;
    std::optional<QString> command;
};

// The store's in-memory table made from rows already read, in the same two steps as the
// store: names first, then the commands in the file's order.
inline SnippetTable tableOf(const QVector<ReadRow>& rows) {
    QVector<qint64> ids;
    QStringList names;
    ids.reserve(rows.size());
    names.reserve(rows.size());
    for (const ReadRow& row : rows) {
        ids << row.id;
        names << row.name;
    }
    SnippetTable table(ids, names);
    for (const ReadRow& row : rows) {
        table.appendCommand(row.command);
    }
    return table;
}

}  // namespace tolvaran::bench
