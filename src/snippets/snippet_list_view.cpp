#include "snippet_list_view.h"

namespace tolvaran {

SnippetListView::SnippetListView(QWidget* parent) : QListView(parent) {
    connect(this, &QAbstractItemView::clicked, this, [this] {
        m_pressSelected = false;
        emit entryChosen();
    });
}

void SnippetListView::mousePressEvent(QMouseEvent* event) {
    m_pressing = true;
    m_pressSelected = false;
    QListView::mousePressEvent(event);
    m_pressing = false;
}

void SnippetListView::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    if (m_pressSelected) {  // released elsewhere, or not the left button: no click came
        m_pressSelected = false;
        emit entryChosen();
    }
}

void SnippetListView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    QListView::selectionChanged(selected, deselected);
    if (selected.isEmpty()) {
        return;
    }
    if (m_pressing) {
        m_pressSelected = true;
    } else {
        emit entryChosen();
    }
}

}  // namespace tolvaran
