#include "snippet_store.h"

namespace tolvaran {
namespace {

constexpr const char* kRowsSql = "select rowid, na, code from u where na is not null";
constexpr const char* kCommandByIdSql = "select code from u where rowid = ?1";

// Reads every page: a wrong password, a file that is no database and a damaged file all show
// up here rather than in the middle of a search.
QString verifyWholeFile(sqlite3* db) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &raw, nullptr) != SQLITE_OK) {
        return lastError(db);
    }
    StatementHandle check(raw);
    QStringList verdict;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(check.get())) == SQLITE_ROW) {
        verdict << columnText(check.get(), 0);
    }
    if (rc != SQLITE_DONE) {
        return lastError(db);
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

// Reading the rows also proves that table u and its two columns exist.
QString SnippetStore::load() {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), kRowsSql, -1, &raw, nullptr) != SQLITE_OK) {
        return lastError(m_db.get());
    }
    const StatementHandle stmt(raw);
    QVector<StoredRow> rows;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        StoredRow row{sqlite3_column_int64(stmt.get(), 0), columnText(stmt.get(), 1), std::nullopt};
        if (sqlite3_column_type(stmt.get(), 2) != SQLITE_NULL) {
            row.command = columnText(stmt.get(), 2);
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        return lastError(m_db.get());
    }
    raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), kCommandByIdSql, -1, &raw, nullptr) != SQLITE_OK) {
        return lastError(m_db.get());
    }
    m_commandById.reset(raw);
    m_table = SnippetTable(rows);
    return {};
}

NameRows SnippetStore::allSnippets() {
    return {m_table.names(), {}};
}

NameRows SnippetStore::snippetsByName(const QString& term) {
    return {m_table.namesContaining(SnippetTable::Column::Name, term), {}};
}

NameRows SnippetStore::snippetsByCommand(const QString& term) {
    return {m_table.namesContaining(SnippetTable::Column::Command, term), {}};
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
