#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tolvaran {

// The rows of table u that can reach the list, held in memory: their names in the order the
// list shows them, and their names and commands case-folded once, so that a search is a pass
// over memory instead of a pass over the encrypted file. Matching follows the LIKE rules of
// the search ("%", "_").
//
// Built in two steps, both in the file's row order, so that loading never holds every command
// as read next to the sort keys and the finished table: first the names, then the commands.
class SnippetTable {
public:
    enum class Column { Name, Command };

    SnippetTable() = default;
    SnippetTable(const QVector<qint64>& ids, const QStringList& names);

    // The next row's command (NULL for none); call once a row, in the file's order.
    void appendCommand(const std::optional<QString>& command);

    // Every name, in display order.
    const QStringList& names() const { return m_names; }

    // The names, in display order, of the rows whose column contains `term`; rows whose column
    // is NULL never match.
    QStringList namesContaining(Column column, const QString& term) const;

    // The first row of the file whose name equals `name`, letter case ignored.
    std::optional<qint64> firstIdNamed(const QString& name) const;

private:
    // One column's folded texts, back to back in one string, in the file's row order.
    struct FoldedColumn {
        QString text;
        QVector<qsizetype> starts;  // row i spans starts[i] .. starts[i + 1]
        QVector<bool> present;      // false for a NULL value
        void append(const std::optional<QString>& value);
        QStringView at(int row) const;
    };

    QStringList m_names;          // display order
    QVector<int> m_displayOfRow;  // file row -> place in the list
    FoldedColumn m_foldedNames;
    FoldedColumn m_foldedCommands;
    QHash<QString, qint64> m_firstIdByFoldedName;
};

}  // namespace tolvaran
