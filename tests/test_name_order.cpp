#include <QTest>

#include "name_order.h"

using namespace tolvaran;

class TestNameOrder : public QObject {
    Q_OBJECT
private slots:
    void ordersByPinyinThenLatin();
};

// Chinese names by pinyin (重 read as zhong), then Latin names; equal names keep their order.
void TestNameOrder::ordersByPinyinThenLatin() {
    const QStringList names = {"重启", "安装", "Nginx", "备份", "apt", "查看", "备份"};
    QCOMPARE(displayOrder(names), (QVector<int>{1, 3, 6, 5, 0, 4, 2}));
}

QTEST_GUILESS_MAIN(TestNameOrder)
#include "test_name_order.moc"
