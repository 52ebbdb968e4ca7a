#pragma once

#include <QListView>

namespace tolvaran {

// The snippet list. It says when the user chooses an entry: by selecting it with the keyboard,
// or by clicking it with the mouse, also when the entry clicked is already selected, so that a
// click brings back the command after the user has edited what is shown.
class SnippetListView : public QListView {
    Q_OBJECT
public:
    explicit SnippetListView(QWidget* parent = nullptr);

signals:
    void entryChosen();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    // A selection made by a mouse press is chosen when the click completes.
    bool m_pressing = false;
    bool m_pressSelected = false;  // the press selected an entry not yet chosen
};

}  // namespace tolvaran
