#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "file_fixtures.h"
#include "snippet_source.h"

using namespace tolvaran;

class TestSnippetSource : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void refuses_data();
    void refuses();
    void repeatedNamesAcrossFilesAreRefused();
    void toolRefusesBadSourceAndLeavesTheDatabaseAlone_data();
    void toolRefusesBadSourceAndLeavesTheDatabaseAlone();
    void toolBuildsListsAndExports();
};

void TestSnippetSource::parses_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("commands");
    QTest::newRow("one entry") << QByteArray("== 查看端口\nss -tlnp\n") << QStringList{"查看端口"}
                               << QStringList{"ss -tlnp"};
    QTest::newRow("remarks, blanks and several lines")
        << QByteArray("# remark\n\n== 升级\nsudo apt update\nsudo apt upgrade\n\n\n== 看\nls\n")
        << QStringList{"升级", "看"} << QStringList{"sudo apt update%sudo apt upgrade", "ls"};
    QTest::newRow("blank line inside a command stays")
        << QByteArray("== a\n\necho 1\n\necho 2\n\n") << QStringList{"a"}
        << QStringList{"echo 1%%echo 2"};
    QTest::newRow("name trimmed, CRLF file")
        << QByteArray("==   名称  \r\ncmd one\r\ncmd two\r\n") << QStringList{"名称"}
        << QStringList{"cmd one%cmd two"};
    QTest::newRow("shell comment inside a command")
        << QByteArray("== a\n# 先备份\ncp a b\n") << QStringList{"a"}
        << QStringList{"# 先备份%cp a b"};
    QTest::newRow("percent in a name is fine")
        << QByteArray("== 100% 有用\necho ok\n") << QStringList{"100% 有用"}
        << QStringList{"echo ok"};
    QTest::newRow("no entries") << QByteArray("# only remarks\n") << QStringList{} << QStringList{};
}

void TestSnippetSource::parses() {
    QFETCH(QByteArray, source);
    QFETCH(QStringList, names);
    QFETCH(QStringList, commands);
    const ParsedSource parsed = parseSnippetSource("lib.txt", source);
    QCOMPARE(parsed.errors, QStringList{});
    QStringList gotNames;
    QStringList gotCommands;
    for (const SourceEntry& e : parsed.entries) {
        gotNames << e.name;
        gotCommands << e.command;
    }
    QCOMPARE(gotNames, names);
    QCOMPARE(gotCommands, commands);
}

void TestSnippetSource::refuses_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("error");  // the start of the one error expected
    QTest::newRow("empty name") << QByteArray("== \nls\n")
                                << "lib.txt:1: the entry has an empty name";
    QTest::newRow("bare header") << QByteArray("==\nls\n")
                                 << "lib.txt:1: the entry has an empty name";
    QTest::newRow("percent in a command") << QByteArray("== 日期\ndate -I\ndate '+%F'\n")
                                          << "lib.txt:3: a command line must not hold \"%\"";
    QTest::newRow("no command") << QByteArray("== 空\n\n== 下一个\nls\n")
                                << "lib.txt:1: the entry \"空\" has no command";
    QTest::newRow("text before the first entry")
        << QByteArray("ls -l\n== a\nls\n") << "lib.txt:1: text before the first entry";
    QTest::newRow("not utf-8") << QByteArray("== a\n\xff\xfe\n")
                               << "lib.txt:1: the file is not valid UTF-8";
}

void TestSnippetSource::refuses() {
    QFETCH(QByteArray, source);
    QFETCH(QString, error);
    const ParsedSource parsed = parseSnippetSource("lib.txt", source);
    QCOMPARE(parsed.errors.size(), 1);
    QVERIFY2(parsed.errors.first().startsWith(error), qPrintable(parsed.errors.first()));
}

void TestSnippetSource::repeatedNamesAcrossFilesAreRefused() {
    QVector<SourceEntry> all = parseSnippetSource("a.txt", "== 查看\nls\n").entries;
    all += parseSnippetSource("b.txt", "\n== 查看\nls -a\n").entries;
    QCOMPARE(duplicateNameErrors(all),
             QStringList{"b.txt:2: the name \"查看\" is already used at a.txt:1"});
}

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(TOLVARAN_DB_TOOL), args);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

}  // namespace

void TestSnippetSource::toolRefusesBadSourceAndLeavesTheDatabaseAlone_data() {
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<QString>("where");
    QTest::newRow("percent") << QByteArray("== 坏\necho 50%\n") << "2-bad.txt:2:";
    QTest::newRow("repeated name") << QByteArray("== 好\nls\n") << "2-bad.txt:1:";
    QTest::newRow("empty name") << QByteArray("==  \nls\n") << "2-bad.txt:1:";
}

void TestSnippetSource::toolRefusesBadSourceAndLeavesTheDatabaseAlone() {
    QFETCH(QByteArray, bad);
    QFETCH(QString, where);
    QTemporaryDir dir;
    const QString sources = dir.filePath("src");
    QVERIFY(QDir().mkpath(sources));
    writeFile(sources + "/1-good.txt", "== 好\nls\n");
    const QString db = dir.filePath("db/main.mdb");
    QCOMPARE(runTool({"build", db, sources}).exitCode, 0);
    const auto before = test::folderState(dir.filePath("db"));

    writeFile(sources + "/2-bad.txt", bad);
    const ToolRun run = runTool({"build", db, sources});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(sources + "/" + where), qPrintable(run.err));
    QCOMPARE(test::folderState(dir.filePath("db")), before);
}

void TestSnippetSource::toolBuildsListsAndExports() {
    QTemporaryDir dir;
    const QByteArray source = "== 升级\nsudo apt update\nsudo apt upgrade\n\n== 查看\nls -la\n";
    writeFile(dir.filePath("lib.txt"), source);
    const QString db = dir.filePath("out/main.mdb");
    QCOMPARE(runTool({"build", db, dir.filePath("lib.txt")}).exitCode, 0);

    const ToolRun list = runTool({"list", db});
    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.out, QString("升级\n查看\n"));
    const ToolRun exported = runTool({"export", db});
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(exported.out.toUtf8(), source);

    const ToolRun wrongKey = runTool({"list", "--password", "nope", db});
    QCOMPARE(wrongKey.exitCode, 1);
    QVERIFY(wrongKey.err.contains(db));
    QCOMPARE(runTool({"list", dir.filePath("missing.mdb")}).exitCode, 1);
    QVERIFY(!QFile::exists(dir.filePath("missing.mdb")));
    QCOMPARE(runTool({"frobnicate"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestSnippetSource)
#include "test_snippet_source.moc"
