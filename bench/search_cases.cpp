#include "search_cases.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace tolvaran::bench {
namespace {

constexpr int kTermsPerCase = 4;
constexpr int kFewHits = 5;      // what "a few matches" aims at
constexpr int kMaxFewHits = 20;  // and never more than this

struct Gram {
    QString text;
    int rows = 0;
};

// Every folded substring of `length` characters, with the number of texts holding it.
QVector<Gram> gramsOf(const QStringList& texts, int length) {
    QHash<QString, std::pair<int, int>> seen;  // gram -> (texts holding it, last text index)
    for (int i = 0; i < texts.size(); ++i) {
        const QString folded = texts[i].toCaseFolded();
        for (qsizetype at = 0; at + length <= folded.size(); ++at) {
            auto& entry = seen[folded.mid(at, length)];
            if (entry.first == 0 || entry.second != i) {
                ++entry.first;
                entry.second = i;
            }
        }
    }
    QVector<Gram> grams;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        grams.push_back({it.key(), it.value().first});
    }
    return grams;
}

// A term a person would type, which the search also takes literally: letters and digits only
// (Chinese characters count as letters), at least one letter.
bool typable(const QString& term) {
    return std::all_of(term.begin(), term.end(), [](QChar c) { return c.isLetterOrNumber(); }) &&
           std::any_of(term.begin(), term.end(), [](QChar c) { return c.isLetter(); });
}

// The usable grams closest to `target` rows, ties by text, so the choice is the same every run.
QVector<Gram> closestTo(QVector<Gram> grams, int target, int maxRows) {
    grams.erase(std::remove_if(grams.begin(), grams.end(),
                               [&](const Gram& g) { return !typable(g.text) || g.rows > maxRows; }),
                grams.end());
    std::sort(grams.begin(), grams.end(), [target](const Gram& a, const Gram& b) {
        const int da = std::abs(a.rows - target);
        const int db = std::abs(b.rows - target);
        return da != db ? da < db : a.text < b.text;
    });
    grams.resize(std::min<qsizetype>(grams.size(), kTermsPerCase));
    return grams;
}

int rowsHolding(const QStringList& texts, const QString& term) {
    return static_cast<int>(std::count_if(texts.begin(), texts.end(), [&](const QString& t) {
        return t.contains(term, Qt::CaseInsensitive);
    }));
}

SearchCase oneCharacterCase(const QString& id, SearchMode mode, const QStringList& texts) {
    SearchCase c{id, mode, {}};
    const auto half = static_cast<int>(texts.size() / 2);
    for (const Gram& g : closestTo(gramsOf(texts, 1), half, static_cast<int>(texts.size()))) {
        c.keystrokes.push_back({QString(), g.text, g.rows});
    }
    return c;
}

SearchCase fewHitsCase(const QString& id, SearchMode mode, const QStringList& texts) {
    SearchCase c{id, mode, {}};
    for (const Gram& g : closestTo(gramsOf(texts, 3), kFewHits, kMaxFewHits)) {
        c.keystrokes.push_back({g.text.left(2), g.text, g.rows});
    }
    return c;
}

const char* const kToolStarts[] = {"ngi", "mys", "doc", "pyt"};

SearchCase toolWordCase(const QStringList& names) {
    SearchCase c{QStringLiteral("name-word"), SearchMode::Name, {}};
    for (const char* start : kToolStarts) {
        const QString typed = QLatin1String(start);
        c.keystrokes.push_back({typed.left(2), typed, rowsHolding(names, typed)});
    }
    return c;
}

// After a two-letter term that finds rows, the first third letter that finds none.
SearchCase noMatchCase(const QStringList& names) {
    SearchCase c{QStringLiteral("name-none"), SearchMode::Name, {}};
    for (const char* start : kToolStarts) {
        const QString before = QString::fromLatin1(start, 2);
        for (QChar third : QStringLiteral("qzjxvkw")) {
            if (rowsHolding(names, before + third) == 0) {
                c.keystrokes.push_back({before, before + third, 0});
                break;
            }
        }
    }
    return c;
}

const char* const kTitles[][2] = {
    {"name-1", "name, 1 char, ~half the rows"},
    {"name-3", "name, 3 chars, a few rows"},
    {"name-word", "name, 3 chars, one tool (\"ngi\")"},
    {"name-none", "name, keystroke finding nothing"},
    {"cmd-1", "command, 1 char, ~half the rows"},
    {"cmd-3", "command, 3 chars, a few rows"},
    {"choose", "choose a name -> command shown"},
};

}  // namespace

QVector<SearchCase> chooseSearchCases(const QVector<SnippetRow>& rows) {
    QStringList names;
    QStringList commands;
    for (const SnippetRow& row : rows) {
        if (row.name) {
            names << *row.name;
            commands << row.command.value_or(QString());
        }
    }
    return {oneCharacterCase(QStringLiteral("name-1"), SearchMode::Name, names),
            fewHitsCase(QStringLiteral("name-3"), SearchMode::Name, names),
            toolWordCase(names),
            noMatchCase(names),
            oneCharacterCase(QStringLiteral("cmd-1"), SearchMode::Command, commands),
            fewHitsCase(QStringLiteral("cmd-3"), SearchMode::Command, commands)};
}

QString caseTitle(const QString& id) {
    for (const auto& [key, title] : kTitles) {
        if (id == QLatin1String(key)) {
            return QString::fromUtf8(title);
        }
    }
    return id;
}

// One line a keystroke: id, mode, before, typed, hits, separated by tabs.
QString encodeCases(const QVector<SearchCase>& cases) {
    QString text;
    for (const SearchCase& c : cases) {
        for (const Keystroke& k : c.keystrokes) {
            text += QStringList{c.id,
                                c.mode == SearchMode::Name ? QStringLiteral("name")
                                                           : QStringLiteral("command"),
                                k.before, k.typed, QString::number(k.hits)}
                        .join(QLatin1Char('\t')) +
                    QLatin1Char('\n');
        }
    }
    return text;
}

QVector<SearchCase> decodeCases(const QString& text) {
    QVector<SearchCase> cases;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        if (f.size() != 5) {
            continue;
        }
        if (cases.isEmpty() || cases.last().id != f[0]) {
            cases.push_back(
                {f[0], f[1] == QLatin1String("name") ? SearchMode::Name : SearchMode::Command, {}});
        }
        cases.last().keystrokes.push_back({f[2], f[3], f[4].toInt()});
    }
    return cases;
}

}  // namespace tolvaran::bench
