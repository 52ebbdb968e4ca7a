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
    Summary query;    // SnippetStore::snippetsByName / snippetsByCommand
    Summary order;    // NameOrder::sorted (an order that already knows every row)
    Summary fill;     // QStringListModel::setStringList on List1's model (frees the old list)
    Summary release;  // the query's result let go (its names live on in the model)
    Summary paint;    // List1's viewport repainted: layout of every row, paint of those in view
};
KeystrokeSteps timeKeystrokeSteps(ProgramUnderTest& program, const SearchCase& c, int repeats);

// Choosing a name taken apart.
struct ChoosingSteps {
    Summary query;  // SnippetStore::snippetNamed
    Summary show;   // CommandDisplay::showCommand and its repaint
};
ChoosingSteps timeChoosingSteps(ProgramUnderTest& program, int repeats);

// What opening the library costs, step by step.
struct StartupSteps {
    Summary keyDerivation;  // open, key, read the first page (the password is stretched here)
    Summary quickCheck;     // PRAGMA quick_check: every page read and decrypted once
    Summary open;           // SnippetStore::open as the program calls it
    Summary openRawKey;     // SnippetStore::open of the same rows written with a raw 256-bit key
    Summary allNames;       // SnippetStore::allSnippets
    Summary firstOrder;     // NameOrder::sorted of every row by an order that knows none yet
    QString cipherVersion;
    QString kdfIterations;
};
StartupSteps timeStartupSteps(const QString& appFolder, const MemoryIndex& index,
                              const QString& scratchFolder, int repeats);

}  // namespace tolvaran::bench
