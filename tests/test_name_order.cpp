#include <QTest>

#include "name_order.h"

using namespace tolvaran;

class TestNameOrder : public QObject {
    Q_OBJECT
private slots:
    void ordersByPinyinThenLatin();
    void searchResultsFollowTheSameOrder();
    void renamedRowIsOrderedByItsNewName();
};

void TestNameOrder::ordersByPinyinThenLatin() {
    NameOrder order;
    const QVector<SnippetName> rows = {{1, "重启"}, {2, "安装"}, {3, "Nginx"}, {4, "备份"},
                                       {5, "apt"},  {6, "查看"}, {7, "备份"}};
    QCOMPARE(order.sorted(rows),
             (QStringList{"安装", "备份", "备份", "查看", "重启", "apt", "Nginx"}));
}

void TestNameOrder::searchResultsFollowTheSameOrder() {
    NameOrder order;
    order.sorted({{1, "重启"}, {2, "安装"}, {3, "查看"}, {4, "备份"}});
    QCOMPARE(order.sorted({{3, "查看"}, {1, "重启"}, {2, "安装"}}),
             (QStringList{"安装", "查看", "重启"}));
}

// The file can be replaced while the program runs: a known row id with another name.
void TestNameOrder::renamedRowIsOrderedByItsNewName() {
    NameOrder order;
    order.sorted({{1, "安装"}, {2, "查看"}});
    QCOMPARE(order.sorted({{1, "重启"}, {2, "查看"}, {3, "备份"}}),
             (QStringList{"备份", "查看", "重启"}));
}

QTEST_GUILESS_MAIN(TestNameOrder)
#include "test_name_order.moc"
