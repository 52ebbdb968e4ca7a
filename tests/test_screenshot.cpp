#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "command_display.h"
#include "main_window.h"
#include "recording_desktop.h"
#include "startup.h"

using namespace tolvaran;

// Renders the real program, with the built library and skin, to screenshots/*.png in the build
// folder, so a reviewer can look at the window without a display.
class TestScreenshot : public QObject {
    Q_OBJECT
private slots:
    void rendersTheWindow();
};

void TestScreenshot::rendersTheWindow() {
    test::RecordingDesktop recorder;
    const auto session = startUp(*qApp, QStringLiteral(TOLVARAN_APP_DIR), recorder.desktop);
    QVERIFY(session);
    QWidget* window = session->window.get();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(recorder.messages.shown.isEmpty());

    const QString folder = QStringLiteral(TOLVARAN_APP_DIR "/screenshots");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(window->grab().save(folder + "/main.png"));

    auto* list = window->findChild<QListView*>("List1");
    window->findChild<QLineEdit*>("Text1")->setText("nginx");
    QVERIFY(list->model()->rowCount() > 0);
    const QModelIndex second = list->model()->index(1, 0);
    list->selectionModel()->select(second, QItemSelectionModel::ClearAndSelect);
    QVERIFY(!window->findChild<CommandDisplay*>("Text2")->text().isEmpty());
    QVERIFY(window->grab().save(folder + "/search.png"));
}

QTEST_MAIN(TestScreenshot)
#include "test_screenshot.moc"
