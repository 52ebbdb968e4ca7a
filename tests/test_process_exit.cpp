#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "process_exit.h"

namespace {

constexpr const char* kChildFlag = "--end-inside-nested-loop";

// Ends the program from a handler that runs inside a nested event loop (as inside a modal
// message box); anything printed after that would mean the program went on.
int runChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        QEventLoop nested;
        QTimer::singleShot(0, [] {
            std::printf("ending\n");
            tolvaran::ProcessExit().end(3);
        });
        nested.exec();
        std::printf("nested loop returned\n");
    });
    const int status = QApplication::exec();
    std::printf("event loop returned\n");
    return status;
}

}  // namespace

class TestProcessExit : public QObject {
    Q_OBJECT
private slots:
    void endsAtOnceFromANestedLoop();
};

void TestProcessExit::endsAtOnceFromANestedLoop() {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {kChildFlag});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 3);
    QCOMPARE(child.readAllStandardOutput(), QByteArray("ending\n"));
}

int main(int argc, char* argv[]) {
    if (argc > 1 && qstrcmp(argv[1], kChildFlag) == 0) {
        return runChild(argc, argv);
    }
    QCoreApplication app(argc, argv);
    TestProcessExit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_process_exit.moc"
