#pragma once

#include <QString>

#include "search_cases.h"
#include "stats.h"

namespace tolvaran::bench {

class MemoryIndex;
class ProgramUnderTest;

// A keystroke of the real program taken apart: the same calls the snippet browser makes, timed
// one by one on the program's own store, list model and view.
struct KeystrokeSteps {
    Summary query;    // SnippetStore::snippetsByName / snippetsByCommand: matching and ordering
    Summary fill;     // QStringListModel::setStringList on List1's model (frees the old list)
    Summary release;  // the query's result let go (its names live on in the model)
    Summary paint;    // List1's viewport repainted: layout of every row, paint of those in view
};
KeystrokeSteps timeKeystrokeSteps(ProgramUnderTest& program, const SearchCase& c, int repeats);

// Choosing a name taken apart.
struct ChoosingSteps {
    Summary query;  // SnippetStore::firstCommandNamed
    Summary show;   // CommandDisplay::showCommand and its repaint
};
ChoosingSteps timeChoosingSteps(ProgramUnderTest& program, int repeats);

// What opening the library costs, step by step.
struct StartupSteps {
    Summary keyDerivation;  // open, key, read the first page (the password is stretched here)
    Summary quickCheck;     // PRAGMA quick_check: every page read and decrypted once
    Summary readRows;       // the store's query of every named row, read into StoredRows
    Summary table;          // SnippetTable made from those rows, as the store makes it
    Summary displayOrder;   // of which: displayOrder of every name (collation keys, sort)
    Summary open;           // SnippetStore::open as the program calls it (all of the above)
    Summary openRawKey;     // SnippetStore::open of the same rows written with a raw 256-bit key
    Summary allNames;       // SnippetStore::allSnippets (the table's list, shared)
    QString cipherVersion;
    QString kdfIterations;
};
StartupSteps timeStartupSteps(const QString& appFolder, const MemoryIndex& index,
                              const QString& scratchFolder, int repeats);

}  // namespace tolvaran::bench
