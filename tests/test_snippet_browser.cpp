#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>

#include "started_program.h"

using namespace tolvaran;
using namespace tolvaran::test;

namespace {

const QVector<SnippetRow> kRows = {
    row("重启服务", "sudo systemctl restart SERVICE"),
    row("端口扫描", "nc -zv example.com 1-100"),
    row("安装软件", "sudo apt install PACKAGE"),
    row("查看端口", "ss -tlnp"),
    row("Zip 解压", "unzip FILE.zip"),
    row("备份数据", "tar -czf backup.tar.gz /path/to/dir"),
    row("apt 更新", "sudo apt update%sudo apt upgrade"),
    row("末尾换行", "echo done%"),
    row("没有命令", nullptr),
    row("重复名称", "echo first"),
    row("重复名称", "echo second"),
    row(nullptr, "echo nameless"),
};

// The Chinese collation: Chinese names by pinyin (重 read as zhong), then Latin names;
// equal names side by side.
const QStringList kSorted = {"安装软件", "备份数据", "查看端口", "端口扫描", "没有命令", "末尾换行",
                             "重复名称", "重复名称", "重启服务", "apt 更新", "Zip 解压"};

}  // namespace

class TestSnippetBrowser : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startShowsEveryNameSortedAndNothingChosen();
    void typing_data();
    void typing();
    void typedKeystrokesSearchEachTime();
    void choosing_data();
    void choosing();
    void keyboardSelectionChoosesButFocusAloneDoesNot();
    void refillKeepsShownCommandAndSelectsNothing();
    void nameGoneFromStoreKeepsShownCommand();
    void editedCommandReadsBackWithCrLf();
    void clickingTheChosenEntryAgainShowsItsCommandAgain();
    void clickThatDeselectsChoosesNothing();
    void emptyStoreKeepsListEmpty();
    void pressThatSelects_data();
    void pressThatSelects();

private:
    void choose(const QString& name, int occurrence = 0);
    std::unique_ptr<StartedProgram> m_p;
};

void TestSnippetBrowser::init() {
    m_p = std::make_unique<StartedProgram>(kRows);
    QVERIFY(m_p->session);
}

void TestSnippetBrowser::cleanup() {
    m_p.reset();
}

void TestSnippetBrowser::choose(const QString& name, int occurrence) {
    auto* list = m_p->find<QListView>("List1");
    const QStringList names = m_p->listed();
    int row = -1;
    for (int i = 0; i <= occurrence; ++i) {
        row = names.indexOf(name, row + 1);
    }
    QVERIFY2(row >= 0, qPrintable(name));
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void TestSnippetBrowser::startShowsEveryNameSortedAndNothingChosen() {
    QCOMPARE(m_p->listed(), kSorted);
    auto* list = m_p->find<QListView>("List1");
    QVERIFY(list->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(list->toolTip(), QString());
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), QString());
    QVERIFY(m_p->find<QRadioButton>("Option1_1")->isChecked());
}

// Each step: "name" or "command" selects the mode, anything else is set as the box's text.
void TestSnippetBrowser::typing_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    const QStringList ports = {"查看端口", "端口扫描"};
    QStringList withCommand = kSorted;
    withCommand.removeOne("没有命令");

    QTest::newRow("name narrows") << QStringList{"端口"} << ports;
    QTest::newRow("ignores case") << QStringList{"ZIP"} << QStringList{"Zip 解压"};
    QTest::newRow("no match keeps the list") << QStringList{"端口", "端口x"} << ports;
    QTest::newRow("typing on after no match") << QStringList{"端口", "端口x", "端口xy"} << ports;
    QTest::newRow("first search without match keeps all") << QStringList{"nginx"} << kSorted;
    QTest::newRow("emptying shows every name") << QStringList{"端口", ""} << kSorted;
    QTest::newRow("emptying in command mode shows every name")
        << QStringList{"command", "端口", ""} << kSorted;
    QTest::newRow("spaces around the term") << QStringList{"  端口 "} << ports;
    QTest::newRow("full-width spaces around") << QStringList{"\u3000端口\u3000"} << ports;
    QTest::newRow("space inside matters") << QStringList{"端口", "查看 端口"} << ports;
    QTest::newRow("only spaces, by name") << QStringList{"端口", "   "} << kSorted;
    QTest::newRow("only spaces, by command") << QStringList{"command", "端口", "  "} << withCommand;
    QTest::newRow("by command shows names")
        << QStringList{"command", "ss -t"} << QStringList{"查看端口"};
    QTest::newRow("apostrophe is harmless") << QStringList{"端口", "'"} << ports;
    QTest::newRow("underscore is a wildcard") << QStringList{"apt_更"} << QStringList{"apt 更新"};
    QTest::newRow("mode switch waits for the next change")
        << QStringList{"apt", "command"} << QStringList{"apt 更新"};
    QTest::newRow("next change searches the new mode")
        << QStringList{"apt", "command", "apt "} << QStringList{"安装软件", "apt 更新"};
}

void TestSnippetBrowser::typing() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    auto* box = m_p->find<QLineEdit>("Text1");
    for (const QString& step : steps) {
        if (step == "command") {
            m_p->find<QRadioButton>("Option1_0")->click();
        } else if (step == "name") {
            m_p->find<QRadioButton>("Option1_1")->click();
        } else {
            box->setText(step);
        }
    }
    QCOMPARE(m_p->listed(), expected);
    QVERIFY(m_p->recorder.messages.shown.isEmpty());
}

void TestSnippetBrowser::typedKeystrokesSearchEachTime() {
    auto* box = m_p->find<QLineEdit>("Text1");
    box->setFocus();
    box->insert("端口扫");  // as an input method commits it
    QCOMPARE(m_p->listed(), QStringList{"端口扫描"});
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(m_p->listed(), (QStringList{"查看端口", "端口扫描"}));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(m_p->listed(), kSorted);
}

void TestSnippetBrowser::choosing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one line") << "查看端口" << 0 << "ss -tlnp";
    QTest::newRow("marker becomes CR LF")
        << "apt 更新" << 0 << "sudo apt update\r\nsudo apt upgrade";
    QTest::newRow("trailing marker") << "末尾换行" << 0 << "echo done\r\n";
    QTest::newRow("null command shows empty") << "没有命令" << 0 << "";
    QTest::newRow("duplicate: first entry") << "重复名称" << 0 << "echo first";
    QTest::newRow("duplicate: second entry too") << "重复名称" << 1 << "echo first";
}

void TestSnippetBrowser::choosing() {
    QFETCH(QString, name);
    QFETCH(int, occurrence);
    QFETCH(QString, shown);
    m_p->find<CommandDisplay>("Text2")->showCommand("previous");
    choose(name, occurrence);
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), shown);
    QCOMPARE(m_p->find<QListView>("List1")->toolTip(), name);
}

void TestSnippetBrowser::keyboardSelectionChoosesButFocusAloneDoesNot() {
    QWidget* window = m_p->session->window.get();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* list = m_p->find<QListView>("List1");
    list->setFocus();
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), QString());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(!list->selectionModel()->selectedIndexes().isEmpty());
    const QString name = list->selectionModel()->selectedIndexes().first().data().toString();
    QCOMPARE(list->toolTip(), name);
    QVERIFY(!m_p->find<CommandDisplay>("Text2")->text().isEmpty());
}

void TestSnippetBrowser::refillKeepsShownCommandAndSelectsNothing() {
    choose("查看端口");
    m_p->find<QLineEdit>("Text1")->setText("apt");
    auto* list = m_p->find<QListView>("List1");
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), QString("ss -tlnp"));
    QVERIFY(list->selectionModel()->selectedIndexes().isEmpty());
    m_p->find<QLineEdit>("Text1")->clear();
    QCOMPARE(m_p->listed(), kSorted);
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), QString("ss -tlnp"));
    QCOMPARE(list->toolTip(), QString("查看端口"));
}

// The file may change under the running program; a name it no longer holds shows nothing new.
void TestSnippetBrowser::nameGoneFromStoreKeepsShownCommand() {
    choose("查看端口");
    auto* model = qobject_cast<QStringListModel*>(m_p->find<QListView>("List1")->model());
    QVERIFY(model);
    model->insertRows(0, 1);
    model->setData(model->index(0, 0), "已删除的条目");
    choose("已删除的条目");
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), QString("ss -tlnp"));
    QCOMPARE(m_p->find<QListView>("List1")->toolTip(), QString("已删除的条目"));
}

void TestSnippetBrowser::editedCommandReadsBackWithCrLf() {
    choose("apt 更新");
    auto* display = m_p->find<CommandDisplay>("Text2");
    QVERIFY(!display->isReadOnly());
    display->moveCursor(QTextCursor::End);
    QTest::keyClicks(display, " -y");
    QTest::keyClick(display, Qt::Key_Return);
    QTest::keyClicks(display, "ls");
    QCOMPARE(display->text(), QString("sudo apt update\r\nsudo apt upgrade -y\r\nls"));
}

void TestSnippetBrowser::clickingTheChosenEntryAgainShowsItsCommandAgain() {
    choose("查看端口");
    auto* display = m_p->find<CommandDisplay>("Text2");
    display->moveCursor(QTextCursor::End);
    QTest::keyClicks(display, " | grep 80");
    QCOMPARE(display->text(), QString("ss -tlnp | grep 80"));
    choose("查看端口");
    QCOMPARE(display->text(), QString("ss -tlnp"));
}

void TestSnippetBrowser::clickThatDeselectsChoosesNothing() {
    choose("查看端口");
    auto* list = m_p->find<QListView>("List1");
    const int row = m_p->listed().indexOf("查看端口");
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    QVERIFY(list->selectionModel()->selectedIndexes().isEmpty());
    QCOMPARE(list->toolTip(), QString("查看端口"));
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), QString("ss -tlnp"));
}

void TestSnippetBrowser::emptyStoreKeepsListEmpty() {
    StartedProgram empty(QVector<SnippetRow>{});
    QVERIFY(empty.session);
    QVERIFY(empty.listed().isEmpty());
    for (const char* text : {"a", "", " ", "%"}) {
        empty.find<QLineEdit>("Text1")->setText(text);
        QVERIFY(empty.listed().isEmpty());
    }
}

// A press that selects an entry chooses it, however the press ends.
void TestSnippetBrowser::pressThatSelects_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("releasedBelow");
    QTest::newRow("left, released on the entry") << int(Qt::LeftButton) << false;
    QTest::newRow("left, released below the list's entries") << int(Qt::LeftButton) << true;
    QTest::newRow("right button") << int(Qt::RightButton) << false;
}

void TestSnippetBrowser::pressThatSelects() {
    QFETCH(int, button);
    QFETCH(bool, releasedBelow);
    auto* list = m_p->find<QListView>("List1");
    const int row = m_p->listed().indexOf("查看端口");
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    const QPoint release = releasedBelow ? QPoint(at.x(), list->viewport()->height() - 2) : at;
    QTest::mousePress(list->viewport(), Qt::MouseButton(button), {}, at);
    QTest::mouseRelease(list->viewport(), Qt::MouseButton(button), {}, release);
    QCOMPARE(m_p->find<CommandDisplay>("Text2")->text(), QString("ss -tlnp"));
    QCOMPARE(list->toolTip(), QString("查看端口"));
}

QTEST_MAIN(TestSnippetBrowser)
#include "test_snippet_browser.moc"
