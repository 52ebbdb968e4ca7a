#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "file_fixtures.h"
#include "fixture_database.h"
#include "snippet_store.h"
#include "unusable_database.h"

using namespace tolvaran;
using namespace tolvaran::test;

namespace {

const QVector<SnippetRow> kRows = {
    row("更新APT源", "sudo apt update"),
    row("apt 升级", "sudo apt upgrade"),
    row("Apt 清理", "sudo apt autoremove"),
    row("查看端口", "ss -tlnp"),
    row("Café 配置", "nano /etc/cafe.conf"),
    row("ÄRGER", "echo ärger"),
    row("ＦＴＰ 服务", "systemctl status vsftpd"),
    row("O'Brien 的脚本", "echo 'it''s'"),
    row("百分号_测试", "echo 50"),
    row(nullptr, "echo no-name"),
    row("无命令", nullptr),
    row("重复", "echo first"),
    row("重复", "echo second"),
    row("多行", "cd /tmp%ls -l"),
};

QStringList sorted(const QStringList& names) {
    QStringList out = names;
    out.sort();
    return out;
}

}  // namespace

class TestSnippetStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void search_data();
    void search();
    void allSnippetsLeavesOutRowsWithoutName();
    void lookupFindsTheFilesFirstRowOfAName_data();
    void lookupFindsTheFilesFirstRowOfAName();
    void emptyTableOpensAndFindsNothing();
    void failedOpen_data();
    void failedOpen();
    void usingTheStoreLeavesTheFolderAlone_data();
    void usingTheStoreLeavesTheFolderAlone();
    void opensAFileOfAnotherSqlcipherRelease();
    void indexesDoNotChangeWhichRowIsFirst();
    void opensInAFolderOfAnyName_data();
    void opensInAFolderOfAnyName();

private:
    std::unique_ptr<FixtureFolder> m_folder;
    std::unique_ptr<SnippetStore> m_store;
};

void TestSnippetStore::initTestCase() {
    m_folder = std::make_unique<FixtureFolder>(kRows);
    auto opened = SnippetStore::open(m_folder->databasePath());
    QVERIFY2(opened.store, qPrintable(opened.error));
    m_store = std::move(opened.store);
}

void TestSnippetStore::search_data() {
    QTest::addColumn<bool>("byName");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QStringList>("expected");

    const QStringList everyName = {
        "apt 升级", "Apt 清理",  "Café 配置", "O'Brien 的脚本", "ÄRGER", "ＦＴＰ 服务", "多行",
        "无命令",   "更新APT源", "查看端口",  "百分号_测试",    "重复",  "重复"};
    QStringList withCommand = everyName;
    withCommand.removeOne("无命令");

    QTest::newRow("name: case folds ascii")
        << true << "apt" << QStringList{"apt 升级", "Apt 清理", "更新APT源"};
    QTest::newRow("name: accent folds") << true << "CAFÉ" << QStringList{"Café 配置"};
    QTest::newRow("name: umlaut folds") << true << "ärger" << QStringList{"ÄRGER"};
    QTest::newRow("name: fullwidth folds") << true << "ｆｔｐ" << QStringList{"ＦＴＰ 服务"};
    QTest::newRow("name: chinese") << true << "端口" << QStringList{"查看端口"};
    QTest::newRow("name: apostrophe is text") << true << "O'Brien" << QStringList{"O'Brien 的脚本"};
    QTest::newRow("name: lone apostrophe") << true << "'" << QStringList{"O'Brien 的脚本"};
    QTest::newRow("name: injection stays text") << true << "' or '1'='1" << QStringList{};
    QTest::newRow("name: underscore wildcard") << true << "_" << everyName;
    QTest::newRow("name: percent wildcard") << true << "%" << everyName;
    QTest::newRow("name: wildcard inside") << true << "百分号_测" << QStringList{"百分号_测试"};
    QTest::newRow("name: empty term") << true << "" << everyName;
    QTest::newRow("name: no match") << true << "nginx" << QStringList{};
    QTest::newRow("name: duplicates twice") << true << "重复" << QStringList{"重复", "重复"};
    QTest::newRow("command: finds names") << false << "upgrade" << QStringList{"apt 升级"};
    QTest::newRow("command: case folds") << false << "VSFTPD" << QStringList{"ＦＴＰ 服务"};
    QTest::newRow("command: line break marker") << false << "tmp%ls" << QStringList{"多行"};
    QTest::newRow("command: empty term skips null commands and names")
        << false << "" << withCommand;
    QTest::newRow("command: quotes") << false << "'it''s'" << QStringList{"O'Brien 的脚本"};
}

void TestSnippetStore::search() {
    QFETCH(bool, byName);
    QFETCH(QString, term);
    QFETCH(QStringList, expected);
    const QStringList result =
        byName ? m_store->snippetsByName(term) : m_store->snippetsByCommand(term);
    expected.sort();
    QCOMPARE(sorted(result), expected);
}

void TestSnippetStore::allSnippetsLeavesOutRowsWithoutName() {
    const QStringList all = m_store->allSnippets();
    QCOMPARE(all.size(), kRows.size() - 1);
    QVERIFY(!all.contains(QString()));
}

// A lookup finds the command of the file's first row with that name, or nothing.
void TestSnippetStore::lookupFindsTheFilesFirstRowOfAName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("command");  // empty list: nothing found
    QTest::newRow("duplicates, the first") << "重复" << QStringList{"echo first"};
    QTest::newRow("equal ignoring case") << "ärger" << QStringList{"echo ärger"};
    QTest::newRow("stored form kept") << "多行" << QStringList{"cd /tmp%ls -l"};
    QTest::newRow("null command is empty") << "无命令" << QStringList{""};
    QTest::newRow("apostrophe") << "O'Brien 的脚本" << QStringList{"echo 'it''s'"};
    QTest::newRow("no wildcard in equality") << "重%" << QStringList{};
    QTest::newRow("no partial name") << "重" << QStringList{};
    QTest::newRow("empty name") << "" << QStringList{};
}

void TestSnippetStore::lookupFindsTheFilesFirstRowOfAName() {
    QFETCH(QString, name);
    QFETCH(QStringList, command);
    const CommandLookup found = m_store->firstCommandNamed(name);
    QVERIFY(found.error.isEmpty());
    QCOMPARE(found.command.has_value(), !command.isEmpty());
    if (found.command) {
        QCOMPARE(*found.command, command.first());
    }
}

void TestSnippetStore::emptyTableOpensAndFindsNothing() {
    FixtureFolder empty(QVector<SnippetRow>{});
    auto opened = SnippetStore::open(empty.databasePath());
    QVERIFY2(opened.store, qPrintable(opened.error));
    QVERIFY(opened.store->allSnippets().isEmpty());
    QVERIFY(opened.store->snippetsByName(QString()).isEmpty());
    QVERIFY(opened.store->snippetsByCommand("%").isEmpty());
    QVERIFY(!opened.store->firstCommandNamed("x").command);
}

// Every way a file can fail to open: no store, the engine's reason, and no file made or changed.
void TestSnippetStore::failedOpen_data() {
    addUnusableDatabaseRows();
}

void TestSnippetStore::failedOpen() {
    const auto unusable = unusableDatabaseFolder();
    QVERIFY(unusable);
    const FixtureFolder& folder = *unusable;
    const auto before = folderState(folder.path());

    const SnippetStore::Opened opened = SnippetStore::open(folder.databasePath());

    QVERIFY(!opened.store);
    QVERIFY(!opened.error.isEmpty());
    QCOMPARE(folderState(folder.path()), before);
}

// Reading never leaves a trace: no journal, lock or shared-memory file, not even for a file
// that another program left in write-ahead-log mode.
void TestSnippetStore::usingTheStoreLeavesTheFolderAlone_data() {
    QTest::addColumn<bool>("writeAheadLog");
    QTest::newRow("as the tool writes it") << false;
    QTest::newRow("write-ahead-log mode") << true;
}

void TestSnippetStore::usingTheStoreLeavesTheFolderAlone() {
    QFETCH(bool, writeAheadLog);
    FixtureFolder folder(kRows);
    if (writeAheadLog) {
        QVERIFY(runSql(folder.databasePath(), kDatabasePassword,
                       "PRAGMA journal_mode = WAL; INSERT INTO u VALUES ('新', 'ls')"));
    }
    const auto before = folderState(folder.path());
    {
        auto opened = SnippetStore::open(folder.databasePath());
        QVERIFY2(opened.store, qPrintable(opened.error));
        QVERIFY(!opened.store->allSnippets().isEmpty());
        QVERIFY(!opened.store->snippetsByName("apt").isEmpty());
        QVERIFY(!opened.store->snippetsByCommand("apt").isEmpty());
        QVERIFY(opened.store->firstCommandNamed("查看端口").command);
        QCOMPARE(folderState(folder.path()), before);
    }
    QCOMPARE(folderState(folder.path()), before);
}

// A file written by SQLCipher 3 (as Debian 12 has it) opens with any SQLCipher release.
void TestSnippetStore::opensAFileOfAnotherSqlcipherRelease() {
    const QString path = QStringLiteral(TOLVARAN_SOURCE_DIR "/tests/data/sqlcipher3.mdb");
    auto opened = SnippetStore::open(path);
    QVERIFY2(opened.store, qPrintable(opened.error));
    QCOMPARE(opened.store->allSnippets(), (QStringList{"查看端口", "apt 更新"}));
    QCOMPARE(opened.store->firstCommandNamed("APT 更新").command.value_or(QString()),
             QString("sudo apt update%sudo apt upgrade"));
}

// Another program may have indexed the names; the file's order still decides which row of a
// name comes first.
void TestSnippetStore::indexesDoNotChangeWhichRowIsFirst() {
    FixtureFolder folder(kRows);
    QVERIFY(
        runSql(folder.databasePath(), kDatabasePassword,
               "create index by_name on u(na); insert into u values ('APT 升级', 'echo later')"));
    auto opened = SnippetStore::open(folder.databasePath());
    QVERIFY2(opened.store, qPrintable(opened.error));
    QCOMPARE(opened.store->firstCommandNamed("apt 升级").command.value_or(QString()),
             QString("sudo apt upgrade"));
    QCOMPARE(opened.store->allSnippets().size(), kRows.size());
}

// The file's path reaches the engine as a URI: characters that mean something there are text.
void TestSnippetStore::opensInAFolderOfAnyName_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("space") << "my app";
    QTest::newRow("hash") << "app #1";
    QTest::newRow("question mark") << "why?";
    QTest::newRow("percent escape") << "a%20b";
    QTest::newRow("lone percent") << "100%";
    QTest::newRow("query-like") << "x?mode=rwc&immutable=0";
    QTest::newRow("chinese") << "测试 文件夹";
    QTest::newRow("all at once") << "my app #1 %20 测试?";
}

void TestSnippetStore::opensInAFolderOfAnyName() {
    QFETCH(QString, folder);
    QTemporaryDir dir;
    const QString path = dir.filePath(folder + "/db/main.mdb");
    QCOMPARE(writeSnippetDatabase(path, kRows), QString());
    const auto before = folderState(dir.path());
    auto opened = SnippetStore::open(path);
    QVERIFY2(opened.store, qPrintable(opened.error));
    QCOMPARE(opened.store->firstCommandNamed("查看端口").command.value_or(QString()),
             QString("ss -tlnp"));
    opened.store.reset();
    QCOMPARE(folderState(dir.path()), before);
}

QTEST_GUILESS_MAIN(TestSnippetStore)
#include "test_snippet_store.moc"
