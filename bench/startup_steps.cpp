#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "app_folder.h"
#include "database_key.h"
#include "memory_index.h"
#include "name_order.h"
#include "snippet_store.h"
#include "sqlite_handle.h"
#include "sub_steps.h"

namespace tolvaran::bench {
namespace {

// A raw key: SQLCipher uses these 32 bytes as the page key as they are, with no stretching.
const QByteArray kRawKey = "x'2DD29CA851E7B56E4697B0E1F08507293D761A05CE4D1B628663F411A8086D99'";

DatabaseHandle openKeyed(const QString& path) {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    DatabaseHandle db(raw);
    applyDatabaseKey(db.get(), kDatabasePassword);
    return db;
}

QString firstText(sqlite3* db, const char* sql) {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &raw, nullptr);
    StatementHandle stmt(raw);
    QString text;
    if (stmt && sqlite3_step(stmt.get()) == SQLITE_ROW) {
        text = columnText(stmt.get(), 0);
    }
    return text;
}

// The page cache the store gives itself, so that quick_check runs as it does in open().
QByteArray cachePragma(const QString& path) {
    const qint64 kib = std::clamp<qint64>(QFileInfo(path).size() / 1024 + 2048, 2048, 256 * 1024);
    return QByteArray("PRAGMA cache_size = -") + QByteArray::number(kib);
}

template <typename Work>
Summary repeated(int repeats, Work&& work) {
    QVector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        ms << timeMs(work);
    }
    return summarize(ms);
}

}  // namespace

StartupSteps timeStartupSteps(const QString& appFolder, const MemoryIndex& index,
                              const QString& scratchFolder, int repeats) {
    const QString path = databasePath(appFolder);
    StartupSteps s;
    {
        DatabaseHandle db = openKeyed(path);
        s.cipherVersion = firstText(db.get(), "PRAGMA cipher_version");
        s.kdfIterations = firstText(db.get(), "PRAGMA kdf_iter");
    }
    QVector<double> keyMs, checkMs;
    for (int i = 0; i < repeats; ++i) {
        DatabaseHandle db;
        keyMs << timeMs([&] {
            db = openKeyed(path);
            firstText(db.get(), "select count(*) from sqlite_master");
        });
        sqlite3_exec(db.get(), cachePragma(path).constData(), nullptr, nullptr, nullptr);
        checkMs << timeMs([&] { firstText(db.get(), "PRAGMA quick_check"); });
    }
    s.keyDerivation = summarize(keyMs);
    s.quickCheck = summarize(checkMs);
    s.open = repeated(repeats, [&] { SnippetStore::open(path); });

    const QString rawKeyPath = databasePath(scratchFolder);
    if (writeSnippetDatabase(rawKeyPath, index.rows(), kRawKey).isEmpty()) {
        s.openRawKey = repeated(repeats, [&] { SnippetStore::open(rawKeyPath, kRawKey); });
    }

    const std::unique_ptr<SnippetStore> store = SnippetStore::open(path).store;
    s.allNames = repeated(repeats, [&] { store->allSnippets(); });
    const QVector<SnippetName> all = store->allSnippets().rows;
    s.firstOrder = repeated(repeats, [&] { NameOrder().sorted(all); });
    return s;
}

}  // namespace tolvaran::bench
