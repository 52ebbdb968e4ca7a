#include "keystroke_timings.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <algorithm>

#include "command_display.h"
#include "program_under_test.h"

namespace tolvaran::bench {
namespace {

void chooseMode(ProgramUnderTest& program, SearchMode mode) {
    (mode == SearchMode::Name ? program.byName() : program.byCommand())->setChecked(true);
}

}  // namespace

int rowsInView(const QListView& list) {
    const int rowHeight = std::max(1, list.sizeHintForRow(0));
    const int inView = std::max(2, list.viewport()->height() / rowHeight);
    return std::min(inView, list.model()->rowCount());
}

Summary timeKeystrokes(ProgramUnderTest& program, const SearchCase& c, int repeats,
                       CaseCheck* check) {
    chooseMode(program, c.mode);
    QVector<double> samples;
    const int warmUp = static_cast<int>(c.keystrokes.size());
    for (int i = 0; i < warmUp + repeats; ++i) {
        const Keystroke& k = c.keystrokes[i % c.keystrokes.size()];
        program.setSearchText(k.before);
        ProgramUnderTest::settle();
        const int listedBefore = program.list()->model()->rowCount();

        QElapsedTimer timer;
        timer.start();
        program.setSearchText(k.typed);
        const double ms = elapsedMs(timer);

        ProgramUnderTest::settle();
        const int listed = program.list()->model()->rowCount();
        check->lastListed = listed;
        if (listed != (k.hits > 0 ? k.hits : listedBefore)) {
            check->hitsAsExpected = false;
        }
        if (i >= warmUp) {
            samples << ms;
        }
    }
    chooseMode(program, SearchMode::Name);
    program.setSearchText(QString());
    ProgramUnderTest::settle();
    return summarize(samples);
}

Summary timeChoosing(ProgramUnderTest& program, int repeats) {
    chooseMode(program, SearchMode::Name);
    program.setSearchText(QString());
    ProgramUnderTest::settle();
    QListView& list = *program.list();
    const int inView = rowsInView(list);
    QVector<double> samples;
    const int warmUp = inView;
    for (int i = 0; i < warmUp + repeats; ++i) {
        const QModelIndex index = list.model()->index(i % inView, 0);
        QElapsedTimer timer;
        timer.start();
        list.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        program.display()->viewport()->repaint();
        const double ms = elapsedMs(timer);
        ProgramUnderTest::settle();
        if (program.display()->text().isEmpty()) {
            qWarning("choosing row %d showed no command", i % inView);
        }
        if (i >= warmUp) {
            samples << ms;
        }
    }
    list.selectionModel()->clear();
    return summarize(samples);
}

}  // namespace tolvaran::bench
