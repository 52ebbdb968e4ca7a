#include "snippet_store.h"

namespace tolvaran {
namespace {

// Both passes read the rows in the file's order, whatever indexes the file may hold.
constexpr const char* kNamesSql = "select rowid, na from u where na is not null order by rowid";
constexpr const char* kCommandsSql =
    "select rowid, code from u where na is not null order by rowid";
constexpr const char* kCommandByIdSql = "select code from u where rowid = ?1";

// Reads every page: a wrong password, a file that is no database and a damaged file all show
// up here rather than in the middle of a search.
QString verifyWholeFile(sqlite3* db) {
    QStringList verdict;
    const QString error = eachRow(db, "PRAGMA quick_check",
                                  [&](sqlite3_stmt* stmt) { verdict << columnText(stmt, 0); });
    if (!error.isEmpty()) {
        return error;
    }
    if (verdict != QStringList{QStringLiteral("ok")}) {
        return QStringLiteral("database disk image is malformed: ") +
               verdict.join(QLatin1Char('\n'));
    }
    return {};
}

// Resets a statement however its use ends.
struct ResetOnExit {
    sqlite3_stmt* stmt;
    ~ResetOnExit() {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

}  // namespace

SnippetStore::Opened SnippetStore::open(const QString& path, const QByteArray& password) {
    OpenedDatabase opened = openDatabaseForReading(path, password);
    if (!opened.db) {
        return {nullptr, opened.error};
    }
    QString error = verifyWholeFile(opened.db.get());
    if (!error.isEmpty()) {
        return {nullptr, error};
    }
    std::unique_ptr<SnippetStore> store(new SnippetStore(std::move(opened.db)));
    error = store->load();
    if (!error.isEmpty()) {
        return {nullptr, error};
    }
    return {std::move(store), {}};
}

SnippetStore::SnippetStore(DatabaseHandle db) : m_db(std::move(db)) {}

// Names first, then commands, in two passes over the same rows, so that loading never holds
// every command as read at once. Reading also proves that table u and its columns exist.
QString SnippetStore::load() {
    QVector<qint64> ids;
    QStringList names;
    QString error = eachRow(m_db.get(), kNamesSql, [&](sqlite3_stmt* stmt) {
        ids.push_back(sqlite3_column_int64(stmt, 0));
        names << columnText(stmt, 1);
    });
    if (!error.isEmpty()) {
        return error;
    }
    SnippetTable table(ids, names);
    names.clear();
    int row = 0;
    bool mismatch = false;
    error = eachRow(m_db.get(), kCommandsSql, [&](sqlite3_stmt* stmt) {
        // The file is opened unchanging, so the second pass meets the rows of the first.
        mismatch = mismatch || row >= ids.size() || sqlite3_column_int64(stmt, 0) != ids[row];
        if (mismatch) {
            return;
        }
        ++row;
        table.appendCommand(sqlite3_column_type(stmt, 1) == SQLITE_NULL
                                ? std::nullopt
                                : std::optional<QString>(columnText(stmt, 1)));
    });
    if (error.isEmpty() && (mismatch || row != ids.size())) {
        error = QStringLiteral("the rows of table u changed while they were read");
    }
    if (!error.isEmpty()) {
        return error;
    }
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), kCommandByIdSql, -1, &raw, nullptr) != SQLITE_OK) {
        return lastError(m_db.get());
    }
    m_commandById.reset(raw);
    m_table = std::move(table);
    return {};
}

QStringList SnippetStore::snippetsByName(const QString& term) const {
    return m_table.namesContaining(SnippetTable::Column::Name, term);
}

QStringList SnippetStore::snippetsByCommand(const QString& term) const {
    return m_table.namesContaining(SnippetTable::Column::Command, term);
}

CommandLookup SnippetStore::firstCommandNamed(const QString& name) {
    const std::optional<qint64> id = m_table.firstIdNamed(name);
    if (!id) {
        return {};
    }
    sqlite3_stmt* stmt = m_commandById.get();
    ResetOnExit reset{stmt};
    sqlite3_bind_int64(stmt, 1, *id);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        return {};
    }
    if (rc != SQLITE_ROW) {
        return {std::nullopt, lastError(m_db.get())};
    }
    // A NULL command shows as an empty text.
    const QString command = columnText(stmt, 0);
    return {command.isNull() ? QStringLiteral("") : command, {}};
}

}  // namespace tolvaran
