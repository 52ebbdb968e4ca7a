#include "name_order.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>
#include <vector>

namespace tolvaran {

QVector<int> displayOrder(const QStringList& names) {
    const QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    // One sort key a name, compared cheaply, rather than a full collation for every pair.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names) {
        keys.push_back(collator.sortKey(name));
    }
    QVector<int> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    return order;
}

}  // namespace tolvaran
