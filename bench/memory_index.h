#pragma once

#include <QHash>
#include <QStringList>
#include <QVector>

#include "search_cases.h"

namespace tolvaran::bench {

// The library held in memory, for the lower bound: names and commands as plain strings, also
// case-folded once, and each row's place in the Chinese name order computed once.
class MemoryIndex {
public:
    // Reads every named row of the database at `path`; empty on failure (see error()).
    explicit MemoryIndex(const QString& path);

    const QString& error() const { return m_error; }
    int size() const { return static_cast<int>(m_rows.size()); }
    const QVector<SnippetRow>& rows() const { return m_rows; }
    const QVector<QString>& foldedNames() const { return m_foldedNames; }
    const QVector<QString>& foldedCommands() const { return m_foldedCommands; }
    const QVector<int>& ranks() const { return m_rank; }

    // Every name, in name order.
    QStringList allNames() const;
    // The names whose name (or command) holds `term` ignoring case, in name order: the folded
    // term is looked for in the folded texts.
    QStringList search(const QString& term, SearchMode mode) const;
    // The command of the first row with this name, ignoring case; a null text when none.
    QString commandNamed(const QString& name) const;

private:
    QStringList namesByRank(QVector<std::pair<int, int>>& rankAndRow) const;

    QVector<SnippetRow> m_rows;
    QStringList m_names;
    QVector<QString> m_commands;
    QVector<QString> m_foldedNames;
    QVector<QString> m_foldedCommands;
    QVector<int> m_rank;
    QHash<QString, int> m_rowByFoldedName;
    QString m_error;
};

}  // namespace tolvaran::bench
