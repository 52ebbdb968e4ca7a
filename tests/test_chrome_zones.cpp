#include <QTest>

#include "chrome_geometry.h"

using namespace tolvaran::chrome;

Q_DECLARE_METATYPE(PressAction)
Q_DECLARE_METATYPE(ReleaseAction)
Q_DECLARE_METATYPE(ButtonImage)

namespace {
constexpr int SW = 617;
}

class TestChromeZones : public QObject {
    Q_OBJECT
private slots:
    void zones_data();
    void zones();
    void otherButtonsNeverPressOrMove_data();
    void otherButtonsNeverPressOrMove();
    void paintFollowsTheClientSize();
};

// Every boundary of the title strip, the button band and the two button zones, at 617 pixels.
void TestChromeZones::zones_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<PressAction>("press");
    QTest::addColumn<ReleaseAction>("release");
    QTest::addColumn<ButtonImage>("minimise");
    QTest::addColumn<ButtonImage>("close");
    const auto MN = ButtonImage::MinimiseNormal, MH = ButtonImage::MinimiseHover;
    const auto CN = ButtonImage::CloseNormal, CH = ButtonImage::CloseHover;
    const auto MOVE = PressAction::MoveWindow, NONE = PressAction::Nothing;
    const auto PMIN = PressAction::ShowMinimisePressed, PCLOSE = PressAction::ShowClosePressed;
    const auto RMIN = ReleaseAction::Minimise, RCLOSE = ReleaseAction::Close;
    const auto RNONE = ReleaseAction::Nothing;

    QTest::newRow("left of minimise, SW-81") << float(SW - 81) << 10.f << MOVE << RNONE << MN << CN;
    QTest::newRow("minimise starts, SW-80") << float(SW - 80) << 10.f << PMIN << RMIN << MH << CN;
    QTest::newRow("shared column SW-51 is minimise")
        << float(SW - 51) << 10.f << PMIN << RMIN << MH << CN;
    QTest::newRow("between, SW-51.5") << float(SW - 51.5) << 10.f << PMIN << RMIN << MH << CN;
    QTest::newRow("close, SW-50") << float(SW - 50) << 10.f << PCLOSE << RCLOSE << MN << CH;
    QTest::newRow("close ends at SW-10") << float(SW - 10) << 10.f << PCLOSE << RCLOSE << MN << CH;
    QTest::newRow("past close, SW-9") << float(SW - 9) << 10.f << MOVE << RNONE << MN << CN;
    QTest::newRow("above band, y 0") << float(SW - 30) << 0.f << MOVE << RNONE << MN << CN;
    QTest::newRow("above band, y 1") << float(SW - 60) << 1.f << MOVE << RNONE << MN << CN;
    QTest::newRow("band starts, y 2") << float(SW - 30) << 2.f << PCLOSE << RCLOSE << MN << CH;
    QTest::newRow("band ends, y 22") << float(SW - 60) << 22.f << PMIN << RMIN << MH << CN;
    QTest::newRow("below band, y 23") << float(SW - 30) << 23.f << MOVE << RNONE << MN << CN;
    QTest::newRow("just below band, y 22.5")
        << float(SW - 30) << 22.5f << MOVE << RNONE << MN << CN;
    QTest::newRow("strip ends, y 68") << 200.f << 68.f << MOVE << RNONE << MN << CN;
    QTest::newRow("below strip, y 69") << 200.f << 69.f << NONE << RNONE << MN << CN;
    QTest::newRow("below strip under close") << float(SW - 30) << 69.f << NONE << RNONE << MN << CN;
    QTest::newRow("banner area") << 100.f << 40.f << MOVE << RNONE << MN << CN;
}

void TestChromeZones::zones() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(PressAction, press);
    QFETCH(ReleaseAction, release);
    QFETCH(ButtonImage, minimise);
    QFETCH(ButtonImage, close);
    QCOMPARE(pressAction(kLeftButton, x, y, SW), press);
    QCOMPARE(releaseAction(x, y, SW), release);
    const std::array<ButtonImage, 2> expected{minimise, close};
    QVERIFY(hoverImages(x, y, SW) == expected);
}

void TestChromeZones::otherButtonsNeverPressOrMove_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    for (int button : {kRightButton, kMiddleButton}) {
        const QByteArray name = button == kRightButton ? "right" : "middle";
        QTest::newRow(name + " on close") << button << float(SW - 30) << 10.f;
        QTest::newRow(name + " on minimise") << button << float(SW - 70) << 10.f;
        QTest::newRow(name + " in the strip") << button << 200.f << 30.f;
    }
}

// A right or middle press does nothing by itself; its release acts like any other (zones()).
void TestChromeZones::otherButtonsNeverPressOrMove() {
    QFETCH(int, button);
    QFETCH(float, x);
    QFETCH(float, y);
    QCOMPARE(pressAction(button, x, y, SW), PressAction::Nothing);
}

void TestChromeZones::paintFollowsTheClientSize() {
    const auto draws = paintSequence(QSize(617, 542));
    QCOMPARE(draws[1].target, QRect(6, 0, 605, 100));
    QCOMPARE(draws[2].target, QRect(611, 0, 6, 100));
    QCOMPARE(draws[3].target, QRect(0, 68, 3, 469));
    QCOMPARE(draws[4].target, QRect(614, 68, 3, 469));
    QCOMPARE(draws[6].target, QRect(6, 537, 605, 5));
    QCOMPARE(draws[8].target, QRect(537, 2, 29, 20));
    QCOMPARE(draws[9].target, QRect(566, 2, 41, 20));
    QCOMPARE(draws[10].picture, Picture::Banner);
    const auto wider = paintSequence(QSize(800, 600));
    QCOMPARE(draws[9].source, wider[9].source);
    QCOMPARE(wider[9].target, QRect(749, 2, 41, 20));
    QCOMPARE(wider[7].target, QRect(794, 595, 6, 5));
}

QTEST_APPLESS_MAIN(TestChromeZones)
#include "test_chrome_zones.moc"
