#include <QTest>

#include "like_pattern.h"

using tolvaran::foldedText;
using tolvaran::LikePattern;

class TestLikePattern : public QObject {
    Q_OBJECT
private slots:
    void matches_data();
    void matches();
    void longTextWithManyWildcardsStaysQuick();
};

void TestLikePattern::matches_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    // Searches wrap the term in "%...%".
    QTest::newRow("substring") << "%apt%"
                               << "sudo apt update" << true;
    QTest::newRow("missing") << "%yum%"
                             << "sudo apt update" << false;
    QTest::newRow("ascii case") << "%apt%"
                                << "APT 源" << true;
    QTest::newRow("latin accents fold") << "%É%"
                                        << "café" << true;
    QTest::newRow("umlaut folds") << "%ä%"
                                  << "ÄRGER" << true;
    QTest::newRow("fullwidth letters fold") << "%ｆ%"
                                            << "ＦＴＰ" << true;
    QTest::newRow("greek sigma folds") << "%σ%"
                                       << "ΣΥΣΤΗΜΑ" << true;
    QTest::newRow("cyrillic folds") << "%д%"
                                    << "ДИСК" << true;
    QTest::newRow("chinese exact") << "%端口%"
                                   << "查看端口占用" << true;
    QTest::newRow("chinese other") << "%端口%"
                                   << "查看磁盘" << false;
    QTest::newRow("accents differ from base") << "%e%"
                                              << "é" << false;

    QTest::newRow("underscore needs one char") << "%_%"
                                               << "x" << true;
    QTest::newRow("underscore on empty") << "%_%"
                                         << "" << false;
    QTest::newRow("underscore is one chinese char") << "查_端口"
                                                    << "查看端口" << true;
    QTest::newRow("percent alone") << "%"
                                   << "" << true;
    QTest::newRow("empty term") << "%%"
                                << "anything" << true;
    QTest::newRow("empty pattern, empty text") << ""
                                               << "" << true;
    QTest::newRow("empty pattern, some text") << ""
                                              << "a" << false;
    QTest::newRow("wildcard inside term") << "%a%e%"
                                          << "apache" << true;
    QTest::newRow("wildcard inside term, order") << "%e%a%"
                                                 << "ea" << true;
    QTest::newRow("backtracking") << "%abc%"
                                  << "ababc" << true;
    QTest::newRow("anchored end") << "%.conf"
                                  << "a.conf.bak" << false;
    QTest::newRow("anchored start") << "sudo%"
                                    << "sudo ls" << true;
    QTest::newRow("apostrophe is plain") << "%'%"
                                         << "echo 'hi'" << true;
    QTest::newRow("backslash is plain") << "%\\%"
                                        << "a\\b" << true;
    QTest::newRow("square brackets are plain") << "%[a]%"
                                               << "x[a]y" << true;
    QTest::newRow("square brackets not a class") << "%[a]%"
                                                 << "a" << false;

    // Characters outside the basic plane are two UTF-16 units; "_" still takes one character.
    QTest::newRow("underscore takes a whole astral character") << "a_b"
                                                               << "a😀b" << true;
    QTest::newRow("underscore alone, astral") << "_"
                                              << "😀" << true;
    QTest::newRow("two underscores are not one astral") << "__"
                                                        << "😀" << false;
    QTest::newRow("trailing underscore, astral") << "%_"
                                                 << "😀" << true;
    QTest::newRow("percent backtracks over astral") << "%😀b%"
                                                    << "😀😀b" << true;
}

void TestLikePattern::matches() {
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(LikePattern(foldedText(pattern)).matches(foldedText(text)), expected);
}

// A pattern of many "%" against a long text that nearly matches must not explode.
void TestLikePattern::longTextWithManyWildcardsStaysQuick() {
    const QString text(20000, 'a');
    QVERIFY(!LikePattern("%a%a%a%a%a%a%a%a%b%").matches(text));
    QVERIFY(LikePattern("%a%a%a%").matches(text));
}

QTEST_APPLESS_MAIN(TestLikePattern)
#include "test_like_pattern.moc"
