#include "snippet_list_view.h"

namespace tolvaran {

SnippetListView::SnippetListView(QWidget* parent) : QListView(parent) {
    connect(this, &QAbstractItemView::clicked, this, &SnippetListView::entryChosen);
}

void SnippetListView::mousePressEvent(QMouseEvent* event) {
    m_pressing = true;
    QListView::mousePressEvent(event);
    m_pressing = false;
}

void SnippetListView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    QListView::selectionChanged(selected, deselected);
    if (!m_pressing && !selected.isEmpty()) {
        emit entryChosen();
    }
}

}  // namespace tolvaran
