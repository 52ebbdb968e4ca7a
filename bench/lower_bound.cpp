#include "lower_bound.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QStringListModel>
#include <QWindow>

#include "command_display.h"
#include "keystroke_timings.h"
#include "program_under_test.h"
#include "search_term.h"
#include "stored_command.h"

namespace tolvaran::bench {

LowerBound::LowerBound(const MemoryIndex& index, const ProgramUnderTest& like)
    : m_index(index),
      m_list(new QListView(&m_window)),
      m_model(new QStringListModel(&m_window)),
      m_display(new CommandDisplay(&m_window)) {
    const QListView& list = *like.list();
    m_list->setGeometry(list.geometry());
    m_list->setFont(list.font());
    m_list->setUniformItemSizes(list.uniformItemSizes());
    m_list->setEditTriggers(list.editTriggers());
    m_list->setSelectionMode(list.selectionMode());
    m_list->setModel(m_model);
    const CommandDisplay& display = *like.display();
    m_display->setGeometry(display.geometry());
    m_display->setFont(display.font());
    m_window.resize(list.window()->size());
    m_window.show();
    while (!m_window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
    show(m_index.allNames());
}

QStringList LowerBound::found(const QString& term, SearchMode mode) const {
    return term.isEmpty() ? m_index.allNames() : m_index.search(term, mode);
}

void LowerBound::show(const QStringList& names) {
    if (!names.isEmpty()) {
        m_model->setStringList(names);
    }
    m_list->viewport()->repaint();
}

Summary LowerBound::timeKeystrokes(const SearchCase& c, int repeats) {
    QVector<double> samples;
    const int warmUp = static_cast<int>(c.keystrokes.size());
    for (int i = 0; i < warmUp + repeats; ++i) {
        const Keystroke& k = c.keystrokes[i % c.keystrokes.size()];
        show(found(k.before, c.mode));
        ProgramUnderTest::settle();

        QElapsedTimer timer;
        timer.start();
        show(found(searchTerm(k.typed), c.mode));
        const double ms = elapsedMs(timer);

        ProgramUnderTest::settle();
        if (i >= warmUp) {
            samples << ms;
        }
    }
    return summarize(samples);
}

Summary LowerBound::timeChoosing(int repeats) {
    show(m_index.allNames());
    ProgramUnderTest::settle();
    const int inView = rowsInView(*m_list);
    QVector<double> samples;
    for (int i = 0; i < inView + repeats; ++i) {
        const QModelIndex index = m_model->index(i % inView, 0);
        QElapsedTimer timer;
        timer.start();
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        const QString command = m_index.commandNamed(index.data().toString());
        m_display->showCommand(shownCommand(command));
        m_display->viewport()->repaint();
        const double ms = elapsedMs(timer);
        ProgramUnderTest::settle();
        if (i >= inView) {
            samples << ms;
        }
    }
    return summarize(samples);
}

}  // namespace tolvaran::bench
