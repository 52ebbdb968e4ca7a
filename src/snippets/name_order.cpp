#include "name_order.h"

#include <algorithm>
#include <utility>

namespace tolvaran {

NameOrder::NameOrder() : m_collator(QLocale(QLocale::Chinese, QLocale::China)) {}

bool NameOrder::knowsAll(const QVector<SnippetName>& rows) const {
    return std::all_of(rows.begin(), rows.end(), [this](const SnippetName& row) {
        const auto it = m_known.find(row.id);
        return it != m_known.end() && it->second.name == row.name;
    });
}

void NameOrder::learn(const QVector<SnippetName>& rows) {
    for (const SnippetName& row : rows) {
        const auto it = m_known.find(row.id);
        if (it == m_known.end()) {
            m_known.emplace(row.id, Known{row.name, m_collator.sortKey(row.name), 0});
        } else if (it->second.name != row.name) {
            it->second = Known{row.name, m_collator.sortKey(row.name), 0};
        }
    }
    QVector<std::pair<qint64, Known*>> all;
    all.reserve(static_cast<qsizetype>(m_known.size()));
    for (auto& [id, known] : m_known) {
        all.push_back({id, &known});
    }
    // Equal names keep the order of their ids, so the list is the same on every fill.
    std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        const int c = a.second->key.compare(b.second->key);
        return c != 0 ? c < 0 : a.first < b.first;
    });
    for (int rank = 0; rank < all.size(); ++rank) {
        all[rank].second->rank = rank;
    }
}

QStringList NameOrder::sorted(const QVector<SnippetName>& rows) {
    if (!knowsAll(rows)) {
        learn(rows);
    }
    QVector<std::pair<int, int>> byRank;  // (rank, index into rows)
    byRank.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        byRank.push_back({m_known.at(rows[i].id).rank, i});
    }
    std::sort(byRank.begin(), byRank.end());
    QStringList names;
    names.reserve(rows.size());
    for (const auto& [rank, index] : byRank) {
        names << rows[index].name;
    }
    return names;
}

}  // namespace tolvaran
