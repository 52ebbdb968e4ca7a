#include <QItemSelectionModel>
#include <QListView>
#include <QStringListModel>

#include "command_display.h"
#include "keystroke_timings.h"
#include "name_order.h"
#include "program_under_test.h"
#include "search_term.h"
#include "snippet_store.h"
#include "sub_steps.h"

namespace tolvaran::bench {
namespace {

NameRows query(SnippetStore& store, const QString& boxText, SearchMode mode) {
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
    NameOrder order;
    order.sorted(store.allSnippets().rows);
    QVector<double> queryMs, orderMs, fillMs, releaseMs, paintMs;
    const int warmUp = static_cast<int>(c.keystrokes.size());
    for (int i = 0; i < warmUp + repeats; ++i) {
        const Keystroke& k = c.keystrokes[i % c.keystrokes.size()];
        {
            // As in the program, the model ends up the only owner of the list before.
            const QStringList before = order.sorted(query(store, k.before, c.mode).rows);
            if (!before.isEmpty()) {
                model.setStringList(before);
            }
        }
        viewport.repaint();
        ProgramUnderTest::settle();

        NameRows rows;
        QStringList names;
        const double q = timeMs([&] { rows = query(store, k.typed, c.mode); });
        const double o = timeMs([&] {
            if (!rows.rows.isEmpty()) {
                names = order.sorted(rows.rows);
            }
        });
        const double f = timeMs([&] {
            if (!names.isEmpty()) {
                model.setStringList(names);
            }
        });
        const double r = timeMs([&] { rows = NameRows(); });
        const double p = timeMs([&] { viewport.repaint(); });
        ProgramUnderTest::settle();
        if (i >= warmUp) {
            queryMs << q;
            orderMs << o;
            fillMs << f;
            releaseMs << r;
            paintMs << p;
        }
    }
    return {summarize(queryMs), summarize(orderMs), summarize(fillMs), summarize(releaseMs),
            summarize(paintMs)};
}

ChoosingSteps timeChoosingSteps(ProgramUnderTest& program, int repeats) {
    const QAbstractItemModel& model = *program.list()->model();
    const int inView = rowsInView(*program.list());
    QVector<double> queryMs, showMs;
    for (int i = 0; i < inView + repeats; ++i) {
        const QString name = model.index(i % inView, 0).data().toString();
        CommandRows found;
        const double q = timeMs([&] { found = program.store().snippetNamed(name); });
        const double s = timeMs([&] {
            program.display()->showCommand(shownCommand(found.commands.value(0)));
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
