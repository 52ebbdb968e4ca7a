#pragma once

#include <QStringList>
#include <QVector>

namespace tolvaran {

// The order in which the list shows names, as a Chinese reader expects it: Chinese names by
// pinyin, then Latin names by alphabet. Returns the indexes of `names` in that order; equal
// names keep the order they came in.
QVector<int> displayOrder(const QStringList& names);

}  // namespace tolvaran
