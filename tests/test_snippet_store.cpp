#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

#include "fixture_database.h"
#include "snippet_store.h"

using namespace tolvaran;
using tolvaran::test::FixtureFolder;
using tolvaran::test::row;

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

QStringList names(const NameRows& result) {
    QStringList out;
    for (const SnippetName& n : result.rows) {
        out << n.name;
    }
    out.sort();
    return out;
}

QByteArray fingerprint(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

}  // namespace

class TestSnippetStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void search_data();
    void search();
    void allSnippetsLeavesOutRowsWithoutName();
    void namedFindsEveryRowOfThatNameInOrder_data();
    void namedFindsEveryRowOfThatNameInOrder();
    void emptyTableOpensAndFindsNothing();
    void failedOpen_data();
    void failedOpen();

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
    const NameRows result =
        byName ? m_store->snippetsByName(term) : m_store->snippetsByCommand(term);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    expected.sort();
    QCOMPARE(names(result), expected);
}

void TestSnippetStore::allSnippetsLeavesOutRowsWithoutName() {
    const NameRows all = m_store->allSnippets();
    QVERIFY(all.error.isEmpty());
    QCOMPARE(all.rows.size(), kRows.size() - 1);
    for (const SnippetName& n : all.rows) {
        QVERIFY(!n.name.isNull());
    }
}

void TestSnippetStore::namedFindsEveryRowOfThatNameInOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("duplicates, first first") << "重复" << QStringList{"echo first", "echo second"};
    QTest::newRow("equal ignoring case") << "ärger" << QStringList{"echo ärger"};
    QTest::newRow("stored form kept") << "多行" << QStringList{"cd /tmp%ls -l"};
    QTest::newRow("null command is empty") << "无命令" << QStringList{""};
    QTest::newRow("apostrophe") << "O'Brien 的脚本" << QStringList{"echo 'it''s'"};
    QTest::newRow("no wildcard in equality") << "重%" << QStringList{};
    QTest::newRow("empty name") << "" << QStringList{};
}

void TestSnippetStore::namedFindsEveryRowOfThatNameInOrder() {
    QFETCH(QString, name);
    QFETCH(QStringList, commands);
    const CommandRows found = m_store->snippetNamed(name);
    QVERIFY(found.error.isEmpty());
    QCOMPARE(found.commands, commands);
}

void TestSnippetStore::emptyTableOpensAndFindsNothing() {
    FixtureFolder empty(QVector<SnippetRow>{});
    auto opened = SnippetStore::open(empty.databasePath());
    QVERIFY2(opened.store, qPrintable(opened.error));
    QVERIFY(opened.store->allSnippets().rows.isEmpty());
    QVERIFY(opened.store->snippetsByName(QString()).rows.isEmpty());
    QVERIFY(opened.store->snippetsByCommand("%").rows.isEmpty());
    QVERIFY(opened.store->snippetNamed("x").commands.isEmpty());
}

// Every way a file can fail to open: no store, the engine's reason, and no file made or changed.
void TestSnippetStore::failedOpen_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("wrong password") << "password";
    QTest::newRow("not a database") << "garbage";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("damaged page") << "damaged";
    QTest::newRow("plain sqlite without key") << "plain";
}

void TestSnippetStore::failedOpen() {
    QFETCH(QString, kind);
    QVector<SnippetRow> many;
    for (int i = 0; i < 400; ++i) {
        many << row(qPrintable(QStringLiteral("名称%1").arg(i)), "echo some longer command text");
    }
    std::unique_ptr<FixtureFolder> folder;
    if (kind == "missing") {
        folder = std::make_unique<FixtureFolder>();
    } else if (kind == "password") {
        folder = std::make_unique<FixtureFolder>(many, "another password");
    } else if (kind == "plain") {
        folder = std::make_unique<FixtureFolder>(many, QByteArray());
    } else {
        folder = std::make_unique<FixtureFolder>(many);
        QFile file(folder->databasePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (kind == "garbage") {
            file.resize(0);
            file.write(QByteArray(8192, 'x'));
        } else if (kind == "empty") {
            file.resize(0);
        } else {
            file.seek(file.size() / 2);
            file.write(QByteArray(64, '\x5a'));
        }
    }
    const QString path = folder->databasePath();
    const QByteArray before = fingerprint(path);
    const QStringList filesBefore = QDir(folder->path() + "/db").entryList(QDir::Files);

    const SnippetStore::Opened opened = SnippetStore::open(path);

    QVERIFY(!opened.store);
    QVERIFY(!opened.error.isEmpty());
    QCOMPARE(fingerprint(path), before);
    QCOMPARE(QDir(folder->path() + "/db").entryList(QDir::Files), filesBefore);
    QCOMPARE(QFile::exists(path), kind != "missing");
}

QTEST_GUILESS_MAIN(TestSnippetStore)
#include "test_snippet_store.moc"
