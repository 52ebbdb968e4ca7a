#include <QTest>

#include "skin_colors.h"

using namespace tolvaran;

class TestSkinColors : public QObject {
    Q_OBJECT
private slots:
    void shiftsStyleSheet_data();
    void shiftsStyleSheet();
};

void TestSkinColors::shiftsStyleSheet_data() {
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("saturation");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QString>("expected");
    QTest::newRow("grey keeps brightness")
        << "a { color: #3d6a99; }" << 0 << -100 << 0 << "a { color: #999999; }";
    QTest::newRow("short hex") << "b{background:#f00}" << 0 << -100 << 0 << "b{background:#ffffff}";
    QTest::newRow("rgb function") << "c { color: rgb(0, 0, 255); }" << 0 << -100 << 0
                                  << "c { color: #ffffff; }";
    QTest::newRow("rgba keeps alpha")
        << "rgba(255,0,0,128)" << 0 << -100 << 0 << "rgba(255, 255, 255, 128)";
    QTest::newRow("names are left") << "d { color: red; }" << 0 << -100 << 0 << "d { color: red; }";
    QTest::newRow("hue turns") << "#ff0000" << 120 << 0 << 0 << "#00ff00";
    QTest::newRow("darker") << "#808080" << 0 << 0 << -50 << "#404040";
    QTest::newRow("no shift, no change") << "#123456 x #abc" << 0 << 0 << 0 << "#123456 x #aabbcc";
    QTest::newRow("ids are not colours")
        << "QWidget#Form1 { }" << 0 << -100 << 0 << "QWidget#Form1 { }";
}

void TestSkinColors::shiftsStyleSheet() {
    QFETCH(QString, sheet);
    QFETCH(int, hue);
    QFETCH(int, saturation);
    QFETCH(int, brightness);
    QFETCH(QString, expected);
    QCOMPARE(shiftedStyleSheet(sheet, {hue, saturation, brightness}), expected);
}

QTEST_GUILESS_MAIN(TestSkinColors)
#include "test_skin_colors.moc"
