#pragma once

#include <QByteArray>

struct sqlite3;

namespace tolvaran {

// The password that protects the snippet database. It ships inside the program, so it keeps
// casual readers out of the file; it is no secret from someone who reads the program.
inline constexpr char kDatabasePassword[] = "$*&~7%3??5*4K~8?5[5]";

// Keys a freshly opened connection and sets the cipher parameters that every snippet database
// of this program is written with. The writer and the reader call this same function, so the
// two cannot drift apart. An empty password leaves the file unencrypted. Returns an sqlite3 result
// code.
int applyDatabaseKey(sqlite3* db, const QByteArray& password);

}  // namespace tolvaran
