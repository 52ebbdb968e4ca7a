#include "snippet_store.h"

#include <QFile>
#include <QFileInfo>

#include "sql_functions.h"

namespace tolvaran {
namespace {

// The wildcards around the term are part of the query; the term itself is a bound parameter,
// so an apostrophe or any other character the user types stays ordinary text.
constexpr const char* kAllSql = "select rowid, na from u where na is not null";
constexpr const char* kByNameSql = "select rowid, na from u where na like '%' || ?1 || '%'";
constexpr const char* kByCommandSql =
    "select rowid, na from u where na is not null and code like '%' || ?1 || '%'";
constexpr const char* kNamedSql = "select code from u where na = ?1 collate unicase";

// Enough page cache to hold the whole file, so a search decrypts each page once per run
// rather than once per keystroke. Capped, so a huge file cannot take all the memory.
constexpr qint64 kMinCacheKiB = 2 * 1024;
constexpr qint64 kMaxCacheKiB = 256 * 1024;

qint64 cacheKiBFor(qint64 fileBytes) {
    return qBound(kMinCacheKiB, fileBytes / 1024 + kMinCacheKiB, kMaxCacheKiB);
}

QString singleTextResult(sqlite3* db, const char* sql, QString* error) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) {
        *error = lastError(db);
        return {};
    }
    StatementHandle stmt(raw);
    QStringList lines;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        lines << columnText(stmt.get(), 0);
    }
    if (rc != SQLITE_DONE) {
        *error = lastError(db);
    }
    return lines.join(QLatin1Char('\n'));
}

// Reads every page: a wrong password, a file that is no database and a damaged file all
// show up here rather than in the middle of a search.
QString verifyWholeFile(sqlite3* db) {
    QString error;
    const QString verdict = singleTextResult(db, "PRAGMA quick_check", &error);
    if (!error.isEmpty()) {
        return error;
    }
    if (verdict != QLatin1String("ok")) {
        return QStringLiteral("database disk image is malformed: ") + verdict;
    }
    return {};
}

void bindText(sqlite3_stmt* stmt, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, 1, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// Resets a statement whatever way its use ends.
struct ResetOnExit {
    sqlite3_stmt* stmt;
    ~ResetOnExit() {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

}  // namespace

SnippetStore::Opened SnippetStore::open(const QString& path, const QByteArray& password) {
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    DatabaseHandle db(raw);
    if (rc != SQLITE_OK) {
        return {nullptr, db ? lastError(db.get()) : QStringLiteral("out of memory")};
    }
    if (applyDatabaseKey(db.get(), password) != SQLITE_OK ||
        registerSnippetFunctions(db.get()) != SQLITE_OK) {
        return {nullptr, lastError(db.get())};
    }
    const QString cache = QStringLiteral("PRAGMA cache_size = -%1; PRAGMA query_only = 1;")
                              .arg(cacheKiBFor(QFileInfo(path).size()));
    sqlite3_exec(db.get(), cache.toUtf8().constData(), nullptr, nullptr, nullptr);

    QString error = verifyWholeFile(db.get());
    if (!error.isEmpty()) {
        return {nullptr, error};
    }
    std::unique_ptr<SnippetStore> store(new SnippetStore(std::move(db)));
    error = store->prepareAll();
    if (!error.isEmpty()) {
        return {nullptr, error};
    }
    return {std::move(store), {}};
}

SnippetStore::SnippetStore(DatabaseHandle db) : m_db(std::move(db)) {}

// Preparing the four queries also proves that table u and its two columns exist.
QString SnippetStore::prepareAll() {
    const std::pair<const char*, StatementHandle*> queries[] = {
        {kAllSql, &m_all},
        {kByNameSql, &m_byName},
        {kByCommandSql, &m_byCommand},
        {kNamedSql, &m_named},
    };
    for (const auto& [sql, handle] : queries) {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql, -1, &raw, nullptr) != SQLITE_OK) {
            return lastError(m_db.get());
        }
        handle->reset(raw);
    }
    return {};
}

NameRows SnippetStore::runNameQuery(sqlite3_stmt* stmt, const QString* term) {
    ResetOnExit reset{stmt};
    if (term != nullptr) {
        bindText(stmt, *term);
    }
    NameRows result;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        result.rows.push_back({sqlite3_column_int64(stmt, 0), columnText(stmt, 1)});
    }
    if (rc != SQLITE_DONE) {
        result.rows.clear();
        result.error = lastError(m_db.get());
    }
    return result;
}

NameRows SnippetStore::allSnippets() {
    return runNameQuery(m_all.get(), nullptr);
}

NameRows SnippetStore::snippetsByName(const QString& term) {
    return runNameQuery(m_byName.get(), &term);
}

NameRows SnippetStore::snippetsByCommand(const QString& term) {
    return runNameQuery(m_byCommand.get(), &term);
}

CommandRows SnippetStore::snippetNamed(const QString& name) {
    sqlite3_stmt* stmt = m_named.get();
    ResetOnExit reset{stmt};
    bindText(stmt, name);
    CommandRows result;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        // A command that is NULL shows as an empty text.
        const QString code = columnText(stmt, 0);
        result.commands << (code.isNull() ? QString(QLatin1String("")) : code);
    }
    if (rc != SQLITE_DONE) {
        result.commands.clear();
        result.error = lastError(m_db.get());
    }
    return result;
}

}  // namespace tolvaran
