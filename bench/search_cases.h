#pragma once

#include <QString>
#include <QVector>

#include "snippet_database_writer.h"

namespace tolvaran::bench {

enum class SearchMode { Name, Command };

// One timed change of the search box: from `before` (set beforehand, not timed) to `typed`.
// `hits` is how many rows hold `typed`, counted in memory when the library was made.
struct Keystroke {
    QString before;
    QString typed;
    int hits = 0;
};

// A kind of keystroke; its keystrokes are taken in turn.
struct SearchCase {
    QString id;
    SearchMode mode = SearchMode::Name;
    QVector<Keystroke> keystrokes;
};

// Chooses the terms from the rows themselves, so each case means the same at every size:
//   name-1     one character found in about half the names (box empty before)
//   name-3     three characters found in a few names (their first two before)
//   name-word  the first three letters of a tool name, as "ngi" (first two before)
//   name-none  a keystroke that makes a search find nothing (a matching two-letter term before)
//   cmd-1      command mode, one character found in about half the commands
//   cmd-3      command mode, three characters found in a few commands
QVector<SearchCase> chooseSearchCases(const QVector<SnippetRow>& rows);

// What a case measures, for the tables.
QString caseTitle(const QString& id);

// Cases as lines of text, so the process that made the library can hand them on.
QString encodeCases(const QVector<SearchCase>& cases);
QVector<SearchCase> decodeCases(const QString& text);

}  // namespace tolvaran::bench
