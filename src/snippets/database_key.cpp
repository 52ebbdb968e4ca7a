#include "database_key.h"

#include <sqlite3.h>

namespace tolvaran {
namespace {

// Larger pages than the engine's default mean fewer pages to decrypt and authenticate when a
// search scans the whole table.
constexpr const char* kCipherSettings = "PRAGMA cipher_page_size = 4096;";

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

}  // namespace tolvaran
