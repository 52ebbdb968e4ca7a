#include <QDir>
#include <QImage>
#include <QMouseEvent>

#include "started_program.h"

using namespace tolvaran;
using namespace tolvaran::test;

namespace {

// The picture as the window draws it on this screen: the double-size one at twice the scale.
QImage picture(const char* name, int scale) {
    const QString suffix = scale > 1 ? QStringLiteral("@2x") : QString();
    return QImage(QStringLiteral(":/assets/%1%2.png").arg(QLatin1String(name), suffix))
        .convertToFormat(QImage::Format_ARGB32);
}

// Whether `shot` shows `rect` of `source` (opaque pixels only) with its top-left at `at`;
// rectangles and places are in window pixels, `scale` device pixels each.
bool shows(const QImage& shot, const QImage& source, const QRect& rect, const QPoint& at, int scale,
           QString* where) {
    for (int y = 0; y < rect.height() * scale; ++y) {
        for (int x = 0; x < rect.width() * scale; ++x) {
            const QRgb want = source.pixel(rect.x() * scale + x, rect.y() * scale + y);
            if (qAlpha(want) != 255) {
                continue;
            }
            const QPoint place(at.x() * scale + x, at.y() * scale + y);
            const QRgb got = shot.pixel(place);
            if ((got & 0xFFFFFF) != (want & 0xFFFFFF)) {
                *where = QStringLiteral("(%1,%2): %3 instead of %4")
                             .arg(place.x())
                             .arg(place.y())
                             .arg(got, 0, 16)
                             .arg(want, 0, 16);
                return false;
            }
        }
    }
    return true;
}

void send(QWidget* w, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
          Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(at), QPointF(w->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

const QVector<SnippetRow> kRows = {row("查看端口", "ss -tlnp")};

}  // namespace

class TestWindowChrome : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void paintsFrameButtonsAndBanner();
    void buttonImagesFollowThePointer_data();
    void buttonImagesFollowThePointer();
    void releaseActs_data();
    void releaseActs();
    void dragInTheTitleStripMovesTheWindow_data();
    void dragInTheTitleStripMovesTheWindow();
    void restoringRepaintsNormalButtons();
    void pressOnAControlInTheStripIsTheControls();
    void listShowsThePointingHand();

private:
    QImage shot() const { return m_p->session->window->grab().toImage(); }
    int scale() const { return qRound(window()->devicePixelRatioF()); }
    QImage picture(const char* name) const { return ::picture(name, scale()); }
    QWidget* window() const { return m_p->session->window.get(); }
    std::unique_ptr<StartedProgram> m_p;
};

void TestWindowChrome::init() {
    m_p = std::make_unique<StartedProgram>(kRows);
    QVERIFY(m_p->session);
    QVERIFY(QTest::qWaitForWindowExposed(window()));
}

void TestWindowChrome::cleanup() {
    m_p.reset();
}

void TestWindowChrome::paintsFrameButtonsAndBanner() {
    const QImage s = shot();
    QCOMPARE(s.size(), QSize(617, 542) * scale());
    const QImage frame = picture("frame");
    const QImage buttons = picture("title-buttons");
    const QImage banner = picture("banner");
    QString where;
    QVERIFY2(shows(s, frame, {0, 0, 6, 100}, {0, 0}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, frame, {7, 0, 6, 100}, {611, 0}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, frame, {0, 96, 6, 5}, {0, 537}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, frame, {7, 96, 6, 5}, {611, 537}, scale(), &where), qPrintable(where));
    // The one-pixel middle column is stretched across, the edge sections down.
    QVERIFY2(shows(s, frame, {6, 0, 1, 100}, {480, 0}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, frame, {6, 96, 1, 5}, {300, 537}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, frame, {0, 68, 3, 1}, {0, 300}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, frame, {10, 95, 3, 1}, {614, 536}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, buttons, {0, 0, 29, 20}, {537, 2}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, buttons, {29, 0, 41, 20}, {566, 2}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, banner, {0, 0, 428, 70}, {10, 16}, scale(), &where), qPrintable(where));
}

void TestWindowChrome::buttonImagesFollowThePointer_data() {
    QTest::addColumn<QStringList>("events");  // "move X Y" or "press X Y" (left button)
    QTest::addColumn<QRect>("minimise");      // source of what each button shows afterwards
    QTest::addColumn<QRect>("close");
    const QRect mn(0, 0, 29, 20), mh(0, 21, 29, 20), mp(0, 41, 29, 20);
    const QRect cn(29, 0, 41, 20), ch(29, 21, 41, 20), cp(29, 42, 41, 20);
    QTest::newRow("hover minimise") << QStringList{"move 550 10"} << mh << cn;
    QTest::newRow("hover close") << QStringList{"move 590 10"} << mn << ch;
    QTest::newRow("hover leaves into the strip")
        << QStringList{"move 590 10", "move 300 10"} << mn << cn;
    QTest::newRow("y 23 draws both normal")
        << QStringList{"move 590 10", "move 590 23"} << mn << cn;
    QTest::newRow("press minimise") << QStringList{"move 550 10", "press 550 10"} << mp << cn;
    QTest::newRow("press close") << QStringList{"press 600 22"} << mn << cp;
    QTest::newRow("moving on replaces pressed by hover")
        << QStringList{"press 600 10", "move 601 10"} << mn << ch;
}

void TestWindowChrome::buttonImagesFollowThePointer() {
    QFETCH(QStringList, events);
    QFETCH(QRect, minimise);
    QFETCH(QRect, close);
    Qt::MouseButtons held;
    for (const QString& e : events) {
        const QStringList parts = e.split(' ');
        const QPoint at(parts[1].toInt(), parts[2].toInt());
        if (parts[0] == "press") {
            held = Qt::LeftButton;
            send(window(), QEvent::MouseButtonPress, at, Qt::LeftButton, held);
        } else {
            send(window(), QEvent::MouseMove, at, Qt::NoButton, held);
        }
    }
    const QImage s = shot();
    const QImage buttons = picture("title-buttons");
    QString where;
    QVERIFY2(shows(s, buttons, minimise, {537, 2}, scale(), &where), qPrintable(where));
    QVERIFY2(shows(s, buttons, close, {566, 2}, scale(), &where), qPrintable(where));
}

void TestWindowChrome::releaseActs_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<bool>("ended");
    QTest::newRow("click minimise")
        << Qt::LeftButton << QPoint(550, 10) << QPoint(550, 10) << true << false;
    QTest::newRow("click SW-51") << Qt::LeftButton << QPoint(566, 12) << QPoint(566, 12) << true
                                 << false;
    QTest::newRow("click close") << Qt::LeftButton << QPoint(590, 10) << QPoint(590, 10) << false
                                 << true;
    QTest::newRow("click SW-10") << Qt::LeftButton << QPoint(607, 2) << QPoint(607, 2) << false
                                 << true;
    QTest::newRow("click SW-9") << Qt::LeftButton << QPoint(608, 10) << QPoint(608, 10) << false
                                << false;
    QTest::newRow("release at y 23")
        << Qt::LeftButton << QPoint(590, 10) << QPoint(590, 23) << false << false;
    QTest::newRow("right release on close")
        << Qt::RightButton << QPoint(590, 10) << QPoint(590, 10) << false << true;
    QTest::newRow("middle release on minimise")
        << Qt::MiddleButton << QPoint(550, 10) << QPoint(550, 10) << true << false;
    QTest::newRow("press close, release minimise")
        << Qt::LeftButton << QPoint(590, 10) << QPoint(550, 10) << true << false;
    QTest::newRow("press minimise, release close")
        << Qt::LeftButton << QPoint(550, 10) << QPoint(590, 10) << false << true;
}

void TestWindowChrome::releaseActs() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, minimised);
    QFETCH(bool, ended);
    send(window(), QEvent::MouseButtonPress, pressAt, button, button);
    send(window(), QEvent::MouseButtonRelease, releaseAt, button, Qt::NoButton);
    QCOMPARE(window()->isMinimized(), minimised);
    QCOMPARE(m_p->recorder.exit.calls, ended ? 1 : 0);
    QVERIFY(m_p->recorder.messages.shown.isEmpty());
}

void TestWindowChrome::dragInTheTitleStripMovesTheWindow_data() {
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("strip, y 68") << QPoint(200, 68) << Qt::LeftButton << true;
    QTest::newRow("above a button, y 0") << QPoint(590, 0) << Qt::LeftButton << true;
    QTest::newRow("past close, SW-9") << QPoint(608, 10) << Qt::LeftButton << true;
    QTest::newRow("below the strip, y 69") << QPoint(200, 69) << Qt::LeftButton << false;
    QTest::newRow("on a button") << QPoint(590, 10) << Qt::LeftButton << false;
    QTest::newRow("right button") << QPoint(200, 30) << Qt::RightButton << false;
}

void TestWindowChrome::dragInTheTitleStripMovesTheWindow() {
    QFETCH(QPoint, pressAt);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, moves);
    const QPoint before = window()->pos();
    send(window(), QEvent::MouseButtonPress, pressAt, button, button);
    // Moving 40 right and 30 down: the pointer keeps its place on the window while it follows.
    send(window(), QEvent::MouseMove, pressAt + QPoint(40, 30), Qt::NoButton, button);
    send(window(), QEvent::MouseButtonRelease, pressAt + QPoint(40, 30), button, Qt::NoButton);
    QCOMPARE(window()->pos(), moves ? before + QPoint(40, 30) : before);
    // Once released, moving the pointer no longer carries the window.
    const QPoint after = window()->pos();
    send(window(), QEvent::MouseMove, QPoint(300, 300), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window()->pos(), after);
}

void TestWindowChrome::restoringRepaintsNormalButtons() {
    send(window(), QEvent::MouseButtonPress, QPoint(550, 10), Qt::LeftButton, Qt::LeftButton);
    send(window(), QEvent::MouseButtonRelease, QPoint(550, 10), Qt::LeftButton, Qt::NoButton);
    QVERIFY(window()->isMinimized());
    window()->showNormal();
    QVERIFY(!window()->isMinimized());
    const QImage buttons = picture("title-buttons");
    QString where;
    QVERIFY2(shows(shot(), buttons, {0, 0, 29, 20}, {537, 2}, scale(), &where), qPrintable(where));
}

// A control that lies in the title strip takes its own presses: the window neither moves nor
// closes under it.
void TestWindowChrome::pressOnAControlInTheStripIsTheControls() {
    QWidget* toast = m_p->find<QWidget>("um_7");
    toast->move(window()->width() - 100, 0);
    toast->show();
    toast->raise();
    const QPoint onToastOverClose(window()->width() - 30, 10);
    const QPoint before = window()->pos();
    send(window(), QEvent::MouseButtonPress, onToastOverClose, Qt::LeftButton, Qt::LeftButton);
    send(window(), QEvent::MouseMove, onToastOverClose + QPoint(30, 30), Qt::NoButton,
         Qt::LeftButton);
    send(window(), QEvent::MouseButtonRelease, onToastOverClose, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window()->pos(), before);
    QCOMPARE(m_p->recorder.exit.calls, 0);
}

void TestWindowChrome::listShowsThePointingHand() {
    const QCursor cursor = m_p->find<QListView>("List1")->viewport()->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(5, 0));
    QCOMPARE(cursor.pixmap().deviceIndependentSize(), QSizeF(32, 32));
}

QTEST_MAIN(TestWindowChrome)
#include "test_window_chrome.moc"
