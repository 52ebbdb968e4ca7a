#pragma once

#include <QWidget>

#include "memory_index.h"
#include "stats.h"

class QListView;
class QStringListModel;

namespace tolvaran {
class CommandDisplay;
}

namespace tolvaran::bench {

class ProgramUnderTest;

// The least a keystroke can cost with the same widgets: the rows searched in memory
// (QString::contains, ignoring case), the hits ordered by precomputed name ranks, the list
// model refilled and the view repainted. It lives in a window of its own whose list and command
// box copy List1's and Text2's size, font and settings.
class LowerBound {
public:
    LowerBound(const MemoryIndex& index, const ProgramUnderTest& like);

    // The same keystrokes, timed the same way as in the real program.
    Summary timeKeystrokes(const SearchCase& c, int repeats);
    // Choosing a name: a hash lookup of the command, shown and repainted.
    Summary timeChoosing(int repeats);

private:
    void show(const QStringList& names);
    QStringList found(const QString& term, SearchMode mode) const;

    const MemoryIndex& m_index;
    QWidget m_window;
    QListView* m_list;
    QStringListModel* m_model;
    CommandDisplay* m_display;
};

}  // namespace tolvaran::bench
