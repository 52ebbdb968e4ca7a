#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tolvaran {

// A row of table u as read from the file, in the order the file holds them.
struct StoredRow {
    qint64 id = 0;
    QString name;                    // never null: rows without a name never reach the list
    std::optional<QString> command;  // the stored form, "%" for each line break
};

// The rows of table u held in memory, in the order the list shows them, with their names and
// commands case-folded once, so that a search is a pass over memory instead of a pass over the
// encrypted file. Matching follows the LIKE rules of the search ("%", "_").
class SnippetTable {
public:
    enum class Column { Name, Command };

    SnippetTable() = default;
    explicit SnippetTable(const QVector<StoredRow>& rows);

    // Every name, in display order.
    const QStringList& names() const { return m_names; }

    // The names of the rows whose column contains `term`; rows whose column is empty (NULL)
    // never match.
    QStringList namesContaining(Column column, const QString& term) const;

    // The first row of the file whose name equals `name`, letter case ignored.
    std::optional<qint64> firstIdNamed(const QString& name) const;

private:
    // One column's folded texts, back to back in one string.
    struct FoldedColumn {
        QString text;
        QVector<qsizetype> starts;  // row i spans starts[i] .. starts[i + 1]
        QVector<bool> present;      // false for a NULL value
        void append(const std::optional<QString>& value);
        QStringView at(int row) const;
    };

    QStringList m_names;
    FoldedColumn m_foldedNames;
    FoldedColumn m_foldedCommands;
    QHash<QString, qint64> m_firstIdByFoldedName;
};

}  // namespace tolvaran
