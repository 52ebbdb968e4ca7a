#include "app_folder.h"

#include <QCoreApplication>

namespace tolvaran {

QString applicationFolder() {
    return QCoreApplication::applicationDirPath();
}

QString databasePath(const QString& appFolder) {
    return appFolder + QStringLiteral("/db/main.mdb");
}

QString skinPath(const QString& appFolder) {
    return appFolder + QStringLiteral("/skinh.she");
}

}  // namespace tolvaran
