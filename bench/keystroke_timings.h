#pragma once

#include "search_cases.h"
#include "stats.h"

class QListView;

namespace tolvaran::bench {

class ProgramUnderTest;

// How many list rows the last timed keystroke of a case left, and whether every timed
// keystroke showed as many rows as its term has hits (or kept the list when it had none).
struct CaseCheck {
    int lastListed = 0;
    bool hitsAsExpected = true;
};

// Times keystrokes of `c` in the real program, taking its keystrokes in turn until `repeats`
// are timed (after one untimed round). Each keystroke: the box is set to `before` and the
// result painted (not timed); then the box is set to `typed` and List1's viewport repainted
// synchronously, which paints everything the change left dirty (timed).
Summary timeKeystrokes(ProgramUnderTest& program, const SearchCase& c, int repeats,
                       CaseCheck* check);

// Times choosing a name in the full list, as a click does (current index and selection set
// together), until Text2 holds the command and has been repainted. The chosen rows alternate
// among those in view, so each choice changes the selection.
Summary timeChoosing(ProgramUnderTest& program, int repeats);

// The rows List1 shows without scrolling (at least two, at most the rows there are).
int rowsInView(const QListView& list);

}  // namespace tolvaran::bench
