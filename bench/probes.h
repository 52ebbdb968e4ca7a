#pragma once

#include <QString>

#include "results.h"

namespace tolvaran::bench {

class MemoryIndex;

// The SQL behind loading the rows and behind choosing a name, and what a search in SQL would
// cost, taken apart on a connection of the bench's own (keyed and cached as the store's): the
// store's load, the bare table scan, the engine's own text tests and lookups.
void probeQueries(Results& results, int rows, const QString& databasePath, const QString& nameTerm,
                  const QString& commandTerm, const QString& chosenName, int repeats);

// Ways to search names held in memory and to order the hits, for the same terms: per-name
// QString::contains, one folded text of every name searched with QStringMatcher, ordering by
// sorting (rank, row) pairs and by a bitmap indexed by rank; beside them the program's own
// SnippetTable, which searches rows already held in display order.
void probeInMemory(Results& results, int rows, const MemoryIndex& index, const QString& fewTerm,
                   const QString& oneCharTerm, const QString& fewCommandTerm, int repeats);

// Where the heap goes once a library is open: each part made afresh and counted by the
// allocator, next to the file's size.
void probeMemory(Results& results, int rows, const QString& databasePath);

}  // namespace tolvaran::bench
