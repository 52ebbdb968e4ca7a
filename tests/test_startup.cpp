#include <QFile>
#include <QLabel>
#include <QListView>
#include <QScreen>

#include "file_fixtures.h"
#include "series_title.h"
#include "started_program.h"
#include "unusable_database.h"

using namespace tolvaran;
using namespace tolvaran::test;

namespace {

const QVector<SnippetRow> kRows = {row("查看端口", "ss -tlnp"), row("重启服务", "sudo reboot")};

bool anyWindowVisible() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

// Notes the series title at the moment the main window is first shown.
class ShowWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->objectName() == "Form1" &&
            titleAtShow.isNull()) {
            titleAtShow = seriesTitle() + "";
        }
        return false;
    }
    QString titleAtShow;
};

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void failedDatabaseEndsBeforeTheWindow_data();
    void failedDatabaseEndsBeforeTheWindow();
    void windowIsFramelessSizedAndCentred();
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void noGuidePanelInViewAndListHasFocus();
    void seriesTitleIsSetBeforeTheWindowShows();
    void emptyTableShowsAnEmptyList();
    void skin_data();
    void skin();
};

void TestStartup::cleanup() {
    qApp->setStyleSheet(QString());
}

void TestStartup::failedDatabaseEndsBeforeTheWindow_data() {
    addUnusableDatabaseRows();
}

void TestStartup::failedDatabaseEndsBeforeTheWindow() {
    const auto unusable = unusableDatabaseFolder();
    QVERIFY(unusable);
    const FixtureFolder& folder = *unusable;
    const auto before = folderState(folder.path());

    RecordingDesktop recorder;
    const auto session = startUp(*qApp, folder.path(), recorder.desktop);

    QVERIFY(!session);
    QCOMPARE(recorder.exit.calls, 1);
    QVERIFY(recorder.exit.lastStatus != 0);
    QVERIFY(!anyWindowVisible());
    const QList<Message>& shown = recorder.messages.shown;
    QCOMPARE(shown.size(), 2);
    QVERIFY(!shown[0].text.isEmpty());
    QVERIFY(shown[0].text.contains(folder.databasePath()));
    QCOMPARE(shown[0].icon, MessageIcon::None);
    QCOMPARE(shown[0].buttons, MessageButtons::Ok);
    QCOMPARE(shown[0].title, QString());
    QCOMPARE(shown[1].text, QString("数据库链接出错!请联系管理员QQ:") + administratorContact());
    QCOMPARE(shown[1].icon, MessageIcon::Information);
    QCOMPARE(shown[1].buttons, MessageButtons::Ok);
    QCOMPARE(shown[1].title, QString("提示"));
    QCOMPARE(folderState(folder.path()), before);
}

void TestStartup::windowIsFramelessSizedAndCentred() {
    StartedProgram p(kRows);
    QVERIFY(p.session);
    QWidget* w = p.session->window.get();
    QVERIFY(w->isVisible());
    QCOMPARE(w->objectName(), QString("Form1"));
    QCOMPARE(w->windowTitle(), QString("Tolvaran V1.2"));
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w->size(), QSize(617, 542));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY(qAbs(w->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(w->geometry().center().y() - screen.center().y()) <= 1);
    QVERIFY(p.recorder.messages.shown.isEmpty());
    QCOMPARE(p.recorder.exit.calls, 0);
}

// Places in pixels, from the layout's twips divided by 15.
void TestStartup::controlsStandAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Option1_0") << "Option1_0" << QRect(472, 120, 121, 25);
    QTest::newRow("um_7") << "um_7" << QRect(240, 232, 169, 41);
    QTest::newRow("Picture3") << "Picture3" << QRect(328, 157, 41, 25);
    QTest::newRow("Text2") << "Text2" << QRect(336, 200, 265, 105);
    QTest::newRow("Command1") << "Command1" << QRect(336, 320, 265, 41);
    QTest::newRow("Text1") << "Text1" << QRect(384, 162, 217, 18);
    QTest::newRow("Picture1") << "Picture1" << QRect(16, 384, 585, 129);
    QTest::newRow("List1") << "List1" << QRect(16, 120, 305, 244);
    QTest::newRow("Option1_1") << "Option1_1" << QRect(336, 120, 145, 25);
    QTest::newRow("um_0") << "um_0" << QRect(768, 104, 561, 353);
    QTest::newRow("um_6") << "um_6" << QRect(728, 24, 401, 425);
    QTest::newRow("um_3") << "um_3" << QRect(752, 88, 537, 353);
    QTest::newRow("um_4") << "um_4" << QRect(800, 88, 545, 401);
    QTest::newRow("um_1") << "um_1" << QRect(824, 96, 537, 369);
    QTest::newRow("Text6") << "Text6" << QRect(800, 208, 273, 321);
    QTest::newRow("um_2") << "um_2" << QRect(680, 120, 537, 353);
    QTest::newRow("um_5") << "um_5" << QRect(664, 120, 545, 497);
    QTest::newRow("Image8") << "Image8" << QRect(0, 16, 428, 70);
    QTest::newRow("Image9") << "Image9" << QRect(544, 0, 70, 69);
    QTest::newRow("Image10") << "Image10" << QRect(464, 16, 13, 101);
}

void TestStartup::controlsStandAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    StartedProgram p(kRows);
    QWidget* control = p.find<QWidget>(qPrintable(name));
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget(), p.session->window.get());
    QCOMPARE(control->geometry(), rect);
}

void TestStartup::noGuidePanelInViewAndListHasFocus() {
    StartedProgram p(kRows);
    QWidget* w = p.session->window.get();
    QVERIFY(QTest::qWaitForWindowActive(w));
    for (int i = 0; i <= 7; ++i) {
        QWidget* panel = p.find<QWidget>(qPrintable(QString("um_%1").arg(i)));
        QVERIFY(panel);
        QVERIFY2(!panel->isVisible() || !panel->geometry().intersects(w->rect()),
                 qPrintable(panel->objectName()));
    }
    QCOMPARE(QApplication::focusWidget(), p.find<QWidget>("List1"));
    QCOMPARE(p.find<QLabel>("Label9")->text(), QString("复制成功"));
    QCOMPARE(p.find<QLabel>("Label3")->text(), QString("搜索"));
    for (const char* holder : {"Image8", "Image9", "Image10"}) {
        QVERIFY2(!p.find<QWidget>(holder)->isVisible(), holder);
    }
}

void TestStartup::seriesTitleIsSetBeforeTheWindowShows() {
    setSeriesTitle(QString());
    ShowWatcher watcher;
    qApp->installEventFilter(&watcher);
    StartedProgram p(kRows);
    qApp->removeEventFilter(&watcher);
    QCOMPARE(watcher.titleAtShow, QString("Merivon系列软件"));
}

void TestStartup::emptyTableShowsAnEmptyList() {
    StartedProgram p(QVector<SnippetRow>{});
    QVERIFY(p.session);
    QVERIFY(p.session->window->isVisible());
    QVERIFY(p.listed().isEmpty());
    QVERIFY(p.recorder.messages.shown.isEmpty());
}

void TestStartup::skin_data() {
    QTest::addColumn<QByteArray>("skin");
    QTest::addColumn<bool>("applied");
    QFile shipped(QStringLiteral(TOLVARAN_SOURCE_DIR "/assets/skinh.she"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QTest::newRow("shipped skin") << shipped.readAll() << true;
    QTest::newRow("coloured skin") << QByteArray("QListView { background: #ff0000; }") << true;
    QTest::newRow("no skin file") << QByteArray() << false;
    QTest::newRow("binary file") << QByteArray("\x00\x01\xff\xfe", 4) << false;
    QTest::newRow("blank file") << QByteArray(" \n\n") << false;
}

// The skin shows in grey, and the program starts with or without a usable one.
void TestStartup::skin() {
    QFETCH(QByteArray, skin);
    QFETCH(bool, applied);
    FixtureFolder folder(kRows);
    if (!skin.isNull()) {
        QFile file(folder.path() + "/skinh.she");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(skin);
    }
    RecordingDesktop recorder;
    const auto session = startUp(*qApp, folder.path(), recorder.desktop);
    QVERIFY(session);
    QVERIFY(session->window->isVisible());
    QCOMPARE(!qApp->styleSheet().isEmpty(), applied);
    static const QRegularExpression hex("#([0-9a-fA-F]{6})\\b");
    auto it = hex.globalMatch(qApp->styleSheet());
    while (it.hasNext()) {
        const QColor c("#" + it.next().captured(1));
        QVERIFY2(c.red() == c.green() && c.green() == c.blue(), qPrintable(c.name()));
    }
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
