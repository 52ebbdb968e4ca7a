#include "memory_index.h"

#include <algorithm>

#include "name_order.h"
#include "snippet_database_reader.h"

namespace tolvaran::bench {

MemoryIndex::MemoryIndex(const QString& path) {
    StoredSnippets stored = readSnippetDatabase(path);
    m_error = stored.error;
    for (SnippetRow& row : stored.rows) {
        if (row.name) {
            m_names.push_back(*row.name);
            m_commands.push_back(row.command.value_or(QString()));
            m_foldedNames.push_back(m_names.last().toCaseFolded());
            m_foldedCommands.push_back(m_commands.last().toCaseFolded());
            m_rows.push_back(std::move(row));
        }
    }
    // The program's own display order (collation keys, equal names by row order), computed
    // once here, outside every timing.
    const QVector<int> order = displayOrder(m_names);
    m_rank.resize(m_names.size());
    for (int rank = 0; rank < order.size(); ++rank) {
        m_rank[order[rank]] = rank;
    }
    for (int i = static_cast<int>(m_names.size()) - 1; i >= 0; --i) {
        m_rowByFoldedName.insert(m_foldedNames[i], i);
    }
}

QStringList MemoryIndex::namesByRank(QVector<std::pair<int, int>>& rankAndRow) const {
    std::sort(rankAndRow.begin(), rankAndRow.end());
    QStringList names;
    names.reserve(rankAndRow.size());
    for (const auto& [rank, row] : rankAndRow) {
        names << m_names[row];
    }
    return names;
}

QStringList MemoryIndex::allNames() const {
    QVector<std::pair<int, int>> all;
    all.reserve(m_names.size());
    for (int i = 0; i < m_names.size(); ++i) {
        all.push_back({m_rank[i], i});
    }
    return namesByRank(all);
}

QStringList MemoryIndex::search(const QString& term, SearchMode mode) const {
    const QVector<QString>& texts = mode == SearchMode::Name ? m_foldedNames : m_foldedCommands;
    const QString folded = term.toCaseFolded();
    QVector<std::pair<int, int>> hits;
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].contains(folded)) {
            hits.push_back({m_rank[i], i});
        }
    }
    return namesByRank(hits);
}

QString MemoryIndex::commandNamed(const QString& name) const {
    const auto it = m_rowByFoldedName.constFind(name.toCaseFolded());
    return it == m_rowByFoldedName.cend() ? QString() : m_commands[it.value()];
}

}  // namespace tolvaran::bench
