#include "snippet_table.h"

#include <vector>

#include "like_pattern.h"
#include "name_order.h"

namespace tolvaran {

void SnippetTable::FoldedColumn::append(const std::optional<QString>& value) {
    starts.push_back(text.size());
    present.push_back(value.has_value());
    if (value) {
        text += foldedText(*value);
    }
}

QStringView SnippetTable::FoldedColumn::at(int row) const {
    const qsizetype end = row + 1 < starts.size() ? starts[row + 1] : text.size();
    return QStringView(text).mid(starts[row], end - starts[row]);
}

SnippetTable::SnippetTable(const QVector<qint64>& ids, const QStringList& names)
    : m_displayOfRow(names.size()) {
    const QVector<int> order = displayOrder(names);
    m_names.reserve(names.size());
    for (int place = 0; place < order.size(); ++place) {
        m_names << names[order[place]];
        m_displayOfRow[order[place]] = place;
    }
    m_foldedNames.starts.reserve(names.size());
    m_foldedCommands.starts.reserve(names.size());
    for (const QString& name : names) {
        m_foldedNames.append(name);
    }
    // Filled from the back, so that the file's first row of a name is the one a lookup finds.
    for (qsizetype row = names.size() - 1; row >= 0; --row) {
        m_firstIdByFoldedName.insert(m_foldedNames.at(static_cast<int>(row)).toString(), ids[row]);
    }
}

void SnippetTable::appendCommand(const std::optional<QString>& command) {
    m_foldedCommands.append(command);
}

QStringList SnippetTable::namesContaining(Column column, const QString& term) const {
    const FoldedColumn& texts = column == Column::Name ? m_foldedNames : m_foldedCommands;
    const LikePattern pattern(QLatin1Char('%') + foldedText(term) + QLatin1Char('%'));
    // Rows are searched in the file's order and marked at their place in the list, which then
    // gives the names in display order without sorting.
    std::vector<bool> hit(static_cast<size_t>(m_names.size()), false);
    qsizetype hits = 0;
    for (int row = 0; row < texts.starts.size(); ++row) {
        if (texts.present[row] && pattern.matches(texts.at(row))) {
            hit[static_cast<size_t>(m_displayOfRow[row])] = true;
            ++hits;
        }
    }
    QStringList found;
    found.reserve(hits);
    for (int place = 0; place < m_names.size() && found.size() < hits; ++place) {
        if (hit[static_cast<size_t>(place)]) {
            found << m_names[place];
        }
    }
    return found;
}

std::optional<qint64> SnippetTable::firstIdNamed(const QString& name) const {
    const auto it = m_firstIdByFoldedName.constFind(foldedText(name));
    if (it == m_firstIdByFoldedName.constEnd()) {
        return std::nullopt;
    }
    return *it;
}

}  // namespace tolvaran
