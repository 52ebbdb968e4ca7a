#include "database_key.h"

#include <QFileInfo>
#include <QUrl>

namespace tolvaran {
namespace {

// SQLCipher 4 reads and writes the format of SQLCipher 3 when asked (older releases ignore
// the request), so a file built on one system opens on another. The key is derived with few
// iterations: the password ships inside the program, so a slow derivation would only slow
// every start without keeping anyone out.
constexpr const char* kCipherSettings =
    "PRAGMA cipher_compatibility = 3;"
    "PRAGMA cipher_page_size = 4096;"
    "PRAGMA kdf_iter = 4000;";

}  // namespace

int applyDatabaseKey(sqlite3* db, const QByteArray& password) {
    if (password.isEmpty()) {
        return SQLITE_OK;  // an unencrypted file, for tests and inspection only
    }
    const int rc = sqlite3_key(db, password.constData(), static_cast<int>(password.size()));
    if (rc != SQLITE_OK) {
        return rc;
    }
    return sqlite3_exec(db, kCipherSettings, nullptr, nullptr, nullptr);
}

OpenedDatabase openDatabaseForReading(const QString& path, const QByteArray& password) {
    // "immutable": the engine neither locks the file nor makes a journal or shared-memory file
    // beside it, also for a file left in write-ahead-log mode by another program.
    // An empty authority ("file://" then the path from its first "/"): a path that begins with
    // "//" (a Windows share) would otherwise be read as a host name, which the engine refuses.
    QString absolute = QFileInfo(path).absoluteFilePath();
    if (!absolute.startsWith(QLatin1Char('/'))) {
        absolute.prepend(QLatin1Char('/'));  // "C:/..." becomes "/C:/...", as the engine expects
    }
    const QString uri =
        QStringLiteral("file://") +
        QString::fromLatin1(QUrl::toPercentEncoding(absolute, QByteArrayLiteral("/"))) +
        QStringLiteral("?mode=ro&immutable=1");
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(uri.toUtf8().constData(), &raw,
                                   SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    DatabaseHandle db(raw);
    if (rc != SQLITE_OK || applyDatabaseKey(db.get(), password) != SQLITE_OK) {
        return {nullptr, db ? lastError(db.get()) : QStringLiteral("out of memory")};
    }
    return {std::move(db), {}};
}

}  // namespace tolvaran
