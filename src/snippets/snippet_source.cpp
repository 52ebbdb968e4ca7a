#include "snippet_source.h"

#include <QHash>
#include <QStringDecoder>

namespace tolvaran {
namespace {

const QString kHeader = QStringLiteral("== ");
const QString kBareHeader = QStringLiteral("==");

bool isHeader(const QString& line) {
    return line.startsWith(kHeader) || line == kBareHeader;
}

bool isBlank(const QString& line) {
    return line.trimmed().isEmpty();
}

QString located(const QString& file, int line, const QString& what) {
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what);
}

// Collects the lines of the entry being read and turns them into a SourceEntry.
class EntryBuilder {
public:
    EntryBuilder(QString file, ParsedSource& out) : m_file(std::move(file)), m_out(out) {}

    void start(const QString& header, int line) {
        finish();
        m_name = header.mid(kHeader.size()).trimmed();
        m_line = line;
        m_lines.clear();
        m_open = true;
        if (m_name.isEmpty()) {
            m_out.errors << located(m_file, line, QStringLiteral("the entry has an empty name"));
        }
    }

    void add(const QString& text, int line) {
        if (text.contains(kStoredLineBreak)) {
            m_out.errors << located(m_file, line,
                                    QStringLiteral("a command line must not hold \"%\": the "
                                                   "program would show it as a line break"));
        }
        m_lines << text;
    }

    void finish() {
        if (!m_open) {
            return;
        }
        m_open = false;
        while (!m_lines.isEmpty() && isBlank(m_lines.first())) {
            m_lines.removeFirst();
        }
        while (!m_lines.isEmpty() && isBlank(m_lines.last())) {
            m_lines.removeLast();
        }
        if (m_lines.isEmpty()) {
            m_out.errors << located(m_file, m_line,
                                    QStringLiteral("the entry \"%1\" has no command").arg(m_name));
            return;
        }
        if (!m_name.isEmpty()) {
            m_out.entries.push_back({m_name, m_lines.join(kStoredLineBreak), m_file, m_line});
        }
    }

    bool open() const { return m_open; }

private:
    QString m_file;
    ParsedSource& m_out;
    QString m_name;
    QStringList m_lines;
    int m_line = 0;
    bool m_open = false;
};

}  // namespace

ParsedSource parseSnippetSource(const QString& fileName, const QByteArray& content) {
    ParsedSource out;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(content);
    if (decoder.hasError()) {
        out.errors << located(fileName, 1, QStringLiteral("the file is not valid UTF-8 text"));
        return out;
    }
    EntryBuilder entry(fileName, out);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        const int number = i + 1;
        if (isHeader(line)) {
            entry.start(line, number);
        } else if (entry.open()) {
            entry.add(line, number);
        } else if (!isBlank(line) && !line.startsWith(QLatin1Char('#'))) {
            out.errors << located(fileName, number,
                                  QStringLiteral("text before the first entry: start an entry "
                                                 "with \"== name\" or make it a \"#\" remark"));
        }
    }
    entry.finish();
    return out;
}

QStringList duplicateNameErrors(const QVector<SourceEntry>& entries) {
    QStringList errors;
    QHash<QString, const SourceEntry*> first;
    for (const SourceEntry& e : entries) {
        const auto it = first.constFind(e.name);
        if (it == first.constEnd()) {
            first.insert(e.name, &e);
            continue;
        }
        errors << located(e.file, e.line,
                          QStringLiteral("the name \"%1\" is already used at %2:%3")
                              .arg(e.name, (*it)->file)
                              .arg((*it)->line));
    }
    return errors;
}

QString formatSnippetSource(const QVector<SourceEntry>& entries) {
    QString out;
    for (const SourceEntry& e : entries) {
        if (!out.isEmpty()) {
            out += QLatin1Char('\n');
        }
        out += kHeader + e.name + QLatin1Char('\n');
        out += QString(e.command).replace(kStoredLineBreak, QLatin1Char('\n')) + QLatin1Char('\n');
    }
    return out;
}

}  // namespace tolvaran
