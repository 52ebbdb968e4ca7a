#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

namespace tolvaran::test {

// Every file below `folder` with a hash of its content, to prove that nothing was created,
// removed or changed there.
inline QMap<QString, QByteArray> folderState(const QString& folder) {
    QMap<QString, QByteArray> state;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        state.insert(path,
                     file.open(QIODevice::ReadOnly)
                         ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                         : QByteArray("unreadable"));
    }
    return state;
}

// Ways a database file can be unusable.
enum class Damage { Missing, Garbage, Emptied, Corrupted, CorruptedLastPage };

inline bool damage(const QString& path, Damage how) {
    QFile file(path);
    if (how == Damage::Missing) {
        return file.remove();
    }
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    switch (how) {
        case Damage::Garbage:
            file.resize(0);
            file.write("this is no database at all\n");
            break;
        case Damage::Emptied:  // an empty file is an empty database: no table u
            file.resize(0);
            break;
        case Damage::Corrupted:  // a page in the middle overwritten
            file.seek(file.size() / 2);
            file.write(QByteArray(64, '\x5a'));
            break;
        case Damage::CorruptedLastPage:
            file.seek(file.size() - 100);
            file.write(QByteArray(64, '\x5a'));
            break;
        case Damage::Missing:
            break;
    }
    return true;
}

}  // namespace tolvaran::test
