#pragma once

#include <QString>

namespace tolvaran {

// The folder that holds the executable, without a trailing separator; the program finds its
// files there whatever folder it was started from.
QString applicationFolder();

// The program's files, formed by appending a fixed tail to the application folder.
QString databasePath(const QString& appFolder);
QString skinPath(const QString& appFolder);

}  // namespace tolvaran
