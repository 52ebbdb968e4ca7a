// tolvaran-db: builds the snippet database from the library's source, and lists or exports an
// existing database so that a maintainer can see what a file holds.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "snippet_database_reader.h"
#include "snippet_database_writer.h"
#include "snippet_source.h"

namespace {

using namespace tolvaran;

constexpr int kRefused = 1;
constexpr int kUsage = 2;

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

int usage() {
    err() << "usage:\n"
             "  tolvaran-db build [--password TEXT] DATABASE SOURCE...\n"
             "  tolvaran-db list [--password TEXT] DATABASE\n"
             "  tolvaran-db export [--password TEXT] DATABASE\n"
             "A SOURCE is a file, or a folder whose *.txt files are read in name order.\n";
    return kUsage;
}

QStringList sourceFiles(const QStringList& sources) {
    QStringList files;
    for (const QString& source : sources) {
        const QFileInfo info(source);
        if (!info.isDir()) {
            files << source;
            continue;
        }
        const QDir dir(source);
        for (const QString& name :
             dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            files << dir.filePath(name);
        }
    }
    return files;
}

int build(const QString& database, const QStringList& sources, const QByteArray& password) {
    QVector<SourceEntry> entries;
    QStringList errors;
    const QStringList files = sourceFiles(sources);
    if (files.isEmpty()) {
        errors << QStringLiteral("no source files in %1").arg(sources.join(QLatin1Char(' ')));
    }
    for (const QString& fileName : files) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            errors << QStringLiteral("%1: cannot read: %2").arg(fileName, file.errorString());
            continue;
        }
        const ParsedSource parsed = parseSnippetSource(fileName, file.readAll());
        entries += parsed.entries;
        errors += parsed.errors;
    }
    errors += duplicateNameErrors(entries);
    if (!errors.isEmpty()) {
        for (const QString& e : errors) {
            err() << e << '\n';
        }
        err() << "tolvaran-db: nothing written: " << errors.size() << " fault(s)\n";
        return kRefused;
    }
    QVector<SnippetRow> rows;
    rows.reserve(entries.size());
    for (const SourceEntry& e : entries) {
        rows.push_back({e.name, e.command});
    }
    const QString error = writeSnippetDatabase(database, rows, password);
    if (!error.isEmpty()) {
        err() << "tolvaran-db: " << database << ": " << error << '\n';
        return kRefused;
    }
    out() << "tolvaran-db: wrote " << rows.size() << " snippets to " << database << '\n';
    return 0;
}

int read(const QString& command, const QString& database, const QByteArray& password) {
    const StoredSnippets stored = readSnippetDatabase(database, password);
    if (!stored.error.isEmpty()) {
        err() << "tolvaran-db: " << database << ": " << stored.error << '\n';
        return kRefused;
    }
    if (command == QLatin1String("list")) {
        for (const SnippetRow& row : stored.rows) {
            out() << row.name.value_or(QStringLiteral("(no name)")) << '\n';
        }
        return 0;
    }
    QVector<SourceEntry> entries;
    for (const SnippetRow& row : stored.rows) {
        entries.push_back({row.name.value_or(QString()), row.command.value_or(QString()), {}, 0});
    }
    out() << formatSnippetSource(entries);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QByteArray password(kDatabasePassword);
    const int at = args.indexOf(QStringLiteral("--password"));
    if (at >= 0) {
        if (at + 1 >= args.size()) {
            return usage();
        }
        password = args.at(at + 1).toUtf8();
        args.remove(at, 2);
    }
    if (args.size() >= 3 && args.first() == QLatin1String("build")) {
        return build(args.at(1), args.mid(2), password);
    }
    if (args.size() == 2 &&
        (args.first() == QLatin1String("list") || args.first() == QLatin1String("export"))) {
        return read(args.first(), args.at(1), password);
    }
    return usage();
}
