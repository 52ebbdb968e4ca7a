#include "snippet_table.h"

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

SnippetTable::SnippetTable(const QVector<StoredRow>& rows) {
    QStringList inFileOrder;
    inFileOrder.reserve(rows.size());
    for (const StoredRow& row : rows) {
        inFileOrder << row.name;
    }
    // Filled from the back, so that the file's first row of a name is the one a lookup finds.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        m_firstIdByFoldedName.insert(foldedText(it->name), it->id);
    }
    m_names.reserve(rows.size());
    m_foldedNames.starts.reserve(rows.size());
    m_foldedCommands.starts.reserve(rows.size());
    for (const int i : displayOrder(inFileOrder)) {
        m_names << rows[i].name;
        m_foldedNames.append(rows[i].name);
        m_foldedCommands.append(rows[i].command);
    }
}

QStringList SnippetTable::namesContaining(Column column, const QString& term) const {
    const FoldedColumn& texts = column == Column::Name ? m_foldedNames : m_foldedCommands;
    const LikePattern pattern(QLatin1Char('%') + foldedText(term) + QLatin1Char('%'));
    QStringList found;
    for (int row = 0; row < m_names.size(); ++row) {
        if (texts.present[row] && pattern.matches(texts.at(row))) {
            found << m_names[row];
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
