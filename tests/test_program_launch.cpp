#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "fixture_database.h"

using namespace tolvaran;
using namespace tolvaran::test;

namespace {

// Whether process `pid` holds `path` open (Linux: the links under /proc/PID/fd).
bool holdsOpen(qint64 pid, const QString& path) {
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& fd :
         fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (fd.symLinkTarget() == path) {
            return true;
        }
    }
    return false;
}

}  // namespace

class TestProgramLaunch : public QObject {
    Q_OBJECT
private slots:
    void findsItsFilesBesideTheExecutableFromAnyFolder();
};

// The real program, copied into a folder of its own and started from another folder, opens
// the database that lies beside it (and keeps it open while its window is up).
void TestProgramLaunch::findsItsFilesBesideTheExecutableFromAnyFolder() {
    if (!QDir(QStringLiteral("/proc/self/fd")).exists()) {
        QSKIP("needs /proc to see the program's open files");
    }
    FixtureFolder app({row("查看端口", "ss -tlnp")});
    const QString program = app.path() + QStringLiteral("/tolvaran");
    QVERIFY(QFile::copy(QStringLiteral(TOLVARAN_PROGRAM), program));
    QVERIFY(QFile::copy(QStringLiteral(TOLVARAN_SOURCE_DIR "/assets/skinh.she"),
                        app.path() + QStringLiteral("/skinh.she")));
    QTemporaryDir elsewhere;

    QProcess process;
    process.setWorkingDirectory(elsewhere.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {});
    QVERIFY(process.waitForStarted());

    const QString database = QFileInfo(app.databasePath()).canonicalFilePath();
    QTRY_VERIFY_WITH_TIMEOUT(holdsOpen(process.processId(), database), 20000);
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
}

QTEST_GUILESS_MAIN(TestProgramLaunch)
#include "test_program_launch.moc"
