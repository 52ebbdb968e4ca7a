#pragma once

#include <QTest>
#include <memory>

#include "file_fixtures.h"
#include "fixture_database.h"

namespace tolvaran::test {

// Every way the snippet database can be unusable, as rows of a data-driven test with the
// columns "password" (the file's) and "damage" (-1 for none).
inline void addUnusableDatabaseRows() {
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<int>("damage");
    const QByteArray key(kDatabasePassword);
    QTest::newRow("missing file") << key << int(Damage::Missing);
    QTest::newRow("wrong password") << QByteArray("another password") << -1;
    QTest::newRow("plain sqlite without key") << QByteArray() << -1;
    QTest::newRow("not a database") << key << int(Damage::Garbage);
    QTest::newRow("empty file, so no table u") << key << int(Damage::Emptied);
    QTest::newRow("damaged page") << key << int(Damage::Corrupted);
    // The last pages hold an index that reading the rows never needs: only a check of the
    // whole file finds the damage.
    QTest::newRow("damaged index page") << key << int(Damage::CorruptedLastPage);
}

// An application folder whose database is unusable as the current row says; null if making
// it failed.
inline std::unique_ptr<FixtureFolder> unusableDatabaseFolder() {
    QFETCH(QByteArray, password);
    QFETCH(int, damage);
    QVector<SnippetRow> rows;
    for (int i = 0; i < 400; ++i) {
        rows << row(qPrintable(QStringLiteral("名称%1").arg(i)), "echo a command of some length");
    }
    auto folder = std::make_unique<FixtureFolder>(rows, password);
    if (damage == int(Damage::CorruptedLastPage) &&
        !runSql(folder->databasePath(), password, "create index by_name on u(na)")) {
        return nullptr;
    }
    if (damage >= 0 && !test::damage(folder->databasePath(), Damage(damage))) {
        return nullptr;
    }
    return folder;
}

}  // namespace tolvaran::test
