#pragma once

struct sqlite3;

namespace tolvaran {

// Name of the collation that compares texts ignoring letter case in every script.
inline constexpr const char* kUnicodeNoCase = "unicase";

// Replaces the engine's LIKE (which folds ASCII letters only) by one that folds every letter,
// and adds the "unicase" collation for equality tests. Returns an sqlite3 result code.
int registerSnippetFunctions(sqlite3* db);

}  // namespace tolvaran
