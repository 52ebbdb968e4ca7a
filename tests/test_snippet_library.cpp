#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "snippet_source.h"
#include "snippet_store.h"

using namespace tolvaran;

namespace {

const QString kSourceDir = QStringLiteral(TOLVARAN_SOURCE_DIR);

QStringList dataLines(const QString& name) {
    QFile file(kSourceDir + QStringLiteral("/tests/data/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.trimmed().isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

QStringList commandLines(const SourceEntry& e) {
    return e.command.split(kStoredLineBreak);
}

// The program a snippet runs first: the first word of its first line that is no remark,
// after a leading "sudo".
QString firstCommandWord(const SourceEntry& e) {
    for (const QString& line : commandLines(e)) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#')) {
            continue;
        }
        QStringList words = trimmed.split(' ', Qt::SkipEmptyParts);
        if (words.first() == "sudo" && words.size() > 1) {
            words.removeFirst();
        }
        return words.first();
    }
    return {};
}

}  // namespace

// The default library that ships with the program: well-formed, every command valid shell
// that starts with a real Ubuntu program, and beginners' searches find what they look for.
class TestSnippetLibrary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void namesAndCommandsAreUniqueAndPresent();
    void everyCommandIsValidBash();
    void everyCommandPassesShellcheck();
    void everyCommandStartsWithAKnownProgram();
    void beginnerSearchesFindTheRightSnippets_data();
    void beginnerSearchesFindTheRightSnippets();

private:
    QString writeScripts();
    QVector<SourceEntry> m_entries;
    QTemporaryDir m_scripts;
};

void TestSnippetLibrary::initTestCase() {
    const QDir dir(kSourceDir + QStringLiteral("/data/snippets"));
    QStringList errors;
    for (const QString& name : dir.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const ParsedSource parsed = parseSnippetSource(name, file.readAll());
        m_entries += parsed.entries;
        errors += parsed.errors;
    }
    QCOMPARE(errors, QStringList{});
    QVERIFY2(m_entries.size() >= 250, qPrintable(QString::number(m_entries.size())));
}

void TestSnippetLibrary::namesAndCommandsAreUniqueAndPresent() {
    QCOMPARE(duplicateNameErrors(m_entries), QStringList{});
    QHash<QString, QString> byCommand;
    for (const SourceEntry& e : m_entries) {
        QVERIFY(!e.name.isEmpty());
        QVERIFY2(!e.command.trimmed().isEmpty(), qPrintable(e.name));
        static const QRegularExpression angled("<[A-Za-z_]+>");
        QVERIFY2(!e.command.contains(angled),
                 qPrintable(e.name + ": use an upper-case placeholder, not <...>"));
        const QString earlier = byCommand.value(e.command);
        QVERIFY2(earlier.isNull(),
                 qPrintable(QString("%1 and %2 hold the same command").arg(e.name, earlier)));
        byCommand.insert(e.command, e.name);
    }
}

// Each snippet as a script of its own, named by its place in the library.
QString TestSnippetLibrary::writeScripts() {
    for (int i = 0; i < m_entries.size(); ++i) {
        QFile file(m_scripts.filePath(QString("%1.sh").arg(i, 4, 10, QChar('0'))));
        if (!file.open(QIODevice::WriteOnly)) {
            return {};
        }
        file.write("#!/bin/bash\n" + commandLines(m_entries[i]).join('\n').toUtf8() + "\n");
    }
    return m_scripts.path();
}

void TestSnippetLibrary::everyCommandIsValidBash() {
    const QString folder = writeScripts();
    QVERIFY(!folder.isEmpty());
    for (int i = 0; i < m_entries.size(); ++i) {
        QProcess bash;
        bash.start("bash", {"-n", QString("%1/%2.sh").arg(folder).arg(i, 4, 10, QChar('0'))});
        QVERIFY(bash.waitForFinished());
        QVERIFY2(bash.exitCode() == 0,
                 qPrintable(m_entries[i].file + ":" + QString::number(m_entries[i].line) + ": " +
                            QString::fromUtf8(bash.readAllStandardError())));
    }
}

void TestSnippetLibrary::everyCommandPassesShellcheck() {
    if (QStandardPaths::findExecutable("shellcheck").isEmpty()) {
        QFAIL("shellcheck is not installed (Debian package shellcheck; ./test.sh installs it)");
    }
    const QString folder = writeScripts();
    QStringList args = {"-s", "bash", "-f", "gcc"};
    const QStringList excluded = dataLines("shellcheck-excludes.txt");
    for (const QString& line : excluded) {
        args << "-e" << line.split(QRegularExpression("\\s+")).first();
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        args << QString("%1.sh").arg(i, 4, 10, QChar('0'));
    }
    QProcess shellcheck;
    shellcheck.setWorkingDirectory(folder);
    shellcheck.start("shellcheck", args);
    QVERIFY(shellcheck.waitForFinished(120000));
    QString report;
    for (const QString& line : QString::fromUtf8(shellcheck.readAllStandardOutput()).split('\n')) {
        const int index = line.section('.', 0, 0).toInt();
        if (!line.isEmpty() && index < m_entries.size()) {
            report += m_entries[index].file + " 「" + m_entries[index].name + "」 " + line + "\n";
        }
    }
    QVERIFY2(shellcheck.exitCode() == 0, qPrintable(report));
}

void TestSnippetLibrary::everyCommandStartsWithAKnownProgram() {
    const QStringList known = dataLines("known-commands.txt");
    QVERIFY(!known.isEmpty());
    const QSet<QString> programs(known.begin(), known.end());
    for (const SourceEntry& e : m_entries) {
        const QString word = firstCommandWord(e);
        QVERIFY2(programs.contains(word), qPrintable(e.name + ": unknown program " + word));
    }
}

void TestSnippetLibrary::beginnerSearchesFindTheRightSnippets_data() {
    QTest::addColumn<bool>("byName");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("wanted");
    const QStringList rows = dataLines("search-queries.tsv");
    QVERIFY(rows.size() >= 30);
    for (const QString& line : rows) {
        const QStringList columns = line.split('\t');
        QVERIFY2(columns.size() == 3, qPrintable(line));
        const QByteArray tag = (columns[0] + ": " + columns[1]).toUtf8();
        QTest::newRow(tag.constData())
            << (columns[0] == "name") << columns[1] << columns[2].split(" | ");
    }
}

// Through the store, on the database the build made from the library.
void TestSnippetLibrary::beginnerSearchesFindTheRightSnippets() {
    QFETCH(bool, byName);
    QFETCH(QString, query);
    QFETCH(QStringList, wanted);
    static const auto opened = SnippetStore::open(QStringLiteral(TOLVARAN_APP_DIR "/db/main.mdb"));
    QVERIFY2(opened.store, qPrintable(opened.error));
    const QStringList found =
        byName ? opened.store->snippetsByName(query) : opened.store->snippetsByCommand(query);
    QVERIFY(!found.isEmpty());
    const QSet<QString> names(found.begin(), found.end());
    for (const QString& name : wanted) {
        QVERIFY2(names.contains(name), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestSnippetLibrary)
#include "test_snippet_library.moc"
