#pragma once

#include <QByteArray>
#include <QString>

#include "sqlite_handle.h"

namespace tolvaran {

// The password that protects the snippet database. It ships inside the program, so it keeps
// casual readers out of the file; it is no secret from someone who reads the program.
inline constexpr char kDatabasePassword[] = "$*&~7%3??5*4K~8?5[5]";

// Keys a freshly opened connection and sets the cipher parameters that every snippet database
// of this program is written with, whatever SQLCipher release is installed. The writer and the
// readers call this same function, so they cannot drift apart. An empty password leaves the
// file unencrypted. Returns an sqlite3 result code.
int applyDatabaseKey(sqlite3* db, const QByteArray& password);

struct OpenedDatabase {
    DatabaseHandle db;  // null on failure
    QString error;      // the engine's description of the failure
};

// Opens an existing database for reading only and keys it. The file is taken as it is: no
// journal or other file is ever created beside it, and a missing file is an error.
OpenedDatabase openDatabaseForReading(const QString& path, const QByteArray& password);

}  // namespace tolvaran
