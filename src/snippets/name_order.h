#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QStringList>
#include <QVector>
#include <unordered_map>

#include "snippet_store.h"

namespace tolvaran {

// Puts snippet names in the order a Chinese reader expects: Chinese names by pinyin, Latin
// letters by alphabet, ignoring nothing but what the Chinese collation ignores.
//
// A collation sort key is costly to compute, so each row's key is made once and kept with the
// row's id; the keys of all known rows are ranked once, and a search result is then ordered
// by comparing integers. A row whose name changed since (the file was replaced while the
// program ran) simply gets a new key.
class NameOrder {
public:
    NameOrder();

    QStringList sorted(const QVector<SnippetName>& rows);

private:
    struct Known {
        QString name;
        QCollatorSortKey key;
        int rank = 0;
    };
    bool knowsAll(const QVector<SnippetName>& rows) const;
    void learn(const QVector<SnippetName>& rows);

    QCollator m_collator;
    std::unordered_map<qint64, Known> m_known;
};

}  // namespace tolvaran
