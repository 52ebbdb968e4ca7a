#include <QItemSelectionModel>
#include <QListView>
#include <QStringListModel>

#include "command_display.h"
#include "keystroke_timings.h"
#include "program_under_test.h"
#include "search_term.h"
#include "snippet_store.h"
#include "stored_command.h"
#include "sub_steps.h"

namespace tolvaran::bench {
namespace {

QStringList query(SnippetStore& store, const QString& boxText, SearchMode mode) {
    if (boxText.isEmpty()) {
        return store.allSnippets();
    }
    const QString term = searchTerm(boxText);
    return mode == SearchMode::Name ? store.snippetsByName(term) : store.snippetsByCommand(term);
}

}  // namespace

KeystrokeSteps timeKeystrokeSteps(ProgramUnderTest& program, const SearchCase& c, int repeats) {
    SnippetStore& store = program.store();
    QStringListModel& model = *program.listModel();
    QWidget& viewport = *program.list()->viewport();
    QVector<double> queryMs, fillMs, releaseMs, paintMs;
    const int warmUp = static_cast<int>(c.keystrokes.size());
    for (int i = 0; i < warmUp + repeats; ++i) {
        const Keystroke& k = c.keystrokes[i % c.keystrokes.size()];
        {
            // As in the program, the model ends up the only owner of the list before (or shares
            // it with the store, when the box was empty).
            const QStringList before = query(store, k.before, c.mode);
            if (!before.isEmpty()) {
                model.setStringList(before);
            }
        }
        viewport.repaint();
        ProgramUnderTest::settle();

        QStringList rows;
        const double q = timeMs([&] { rows = query(store, k.typed, c.mode); });
        const double f = timeMs([&] {
            if (!rows.isEmpty()) {
                model.setStringList(rows);
            }
        });
        const double r = timeMs([&] { rows = QStringList(); });
        const double p = timeMs([&] { viewport.repaint(); });
        ProgramUnderTest::settle();
        if (i >= warmUp) {
            queryMs << q;
            fillMs << f;
            releaseMs << r;
            paintMs << p;
        }
    }
    return {summarize(queryMs), summarize(fillMs), summarize(releaseMs), summarize(paintMs)};
}

ChoosingSteps timeChoosingSteps(ProgramUnderTest& program, int repeats) {
    const QAbstractItemModel& model = *program.list()->model();
    const int inView = rowsInView(*program.list());
    QVector<double> queryMs, showMs;
    for (int i = 0; i < inView + repeats; ++i) {
        const QString name = model.index(i % inView, 0).data().toString();
        CommandLookup found;
        const double q = timeMs([&] { found = program.store().firstCommandNamed(name); });
        const double s = timeMs([&] {
            program.display()->showCommand(shownCommand(found.command.value_or(QString())));
            program.display()->viewport()->repaint();
        });
        ProgramUnderTest::settle();
        if (i >= inView) {
            queryMs << q;
            showMs << s;
        }
    }
    return {summarize(queryMs), summarize(showMs)};
}

}  // namespace tolvaran::bench
