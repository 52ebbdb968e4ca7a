#include "program_under_test.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
#include <QWindow>

#include "command_display.h"
#include "main_window.h"
#include "stats.h"

namespace tolvaran::bench {
namespace {

constexpr qint64 kPaintTimeoutMs = 10000;

// Notes the first paint of List1's viewport, wherever it comes from.
class ListPaintWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->parent() != nullptr &&
            watched->parent()->objectName() == QLatin1String("List1")) {
            painted = true;
        }
        return false;
    }
    bool painted = false;
};

}  // namespace

std::unique_ptr<ProgramUnderTest> ProgramUnderTest::start(const QString& appFolder,
                                                          double* startupMs) {
    std::unique_ptr<ProgramUnderTest> program(new ProgramUnderTest);
    ListPaintWatcher watcher;
    qApp->installEventFilter(&watcher);
    QElapsedTimer timer;
    timer.start();
    program->m_session = startUp(*qApp, appFolder, program->m_recorder.desktop);
    if (program->m_session) {
        const QWindow* window = program->m_session->window->windowHandle();
        while (!(window->isExposed() && watcher.painted) && timer.elapsed() < kPaintTimeoutMs) {
            QCoreApplication::processEvents();
        }
    }
    *startupMs = elapsedMs(timer);
    qApp->removeEventFilter(&watcher);
    if (!program->m_session || !watcher.painted) {
        return nullptr;
    }
    const MainWindow& w = *program->m_session->window;
    program->m_searchBox = w.findChild<QLineEdit*>(QStringLiteral("Text1"));
    program->m_list = w.findChild<QListView*>(QStringLiteral("List1"));
    program->m_display = w.findChild<CommandDisplay*>(QStringLiteral("Text2"));
    program->m_byName = w.findChild<QRadioButton*>(QStringLiteral("Option1_1"));
    program->m_byCommand = w.findChild<QRadioButton*>(QStringLiteral("Option1_0"));
    if (!program->m_searchBox || !program->m_list || !program->m_display || !program->m_byName ||
        !program->m_byCommand) {
        return nullptr;
    }
    settle();
    return program;
}

QStringListModel* ProgramUnderTest::listModel() const {
    return qobject_cast<QStringListModel*>(m_list->model());
}

void ProgramUnderTest::setSearchText(const QString& text) {
    m_searchBox->setText(text);
    m_list->viewport()->repaint();
}

void ProgramUnderTest::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QVector<double> ProgramUnderTest::laterStartups(const QString& folder, int repeats) {
    QVector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        double one = 0;
        start(folder, &one);
        settle();
        ms << one;
    }
    return ms;
}

}  // namespace tolvaran::bench
