#pragma once

#include <QObject>

class QLineEdit;
class QRadioButton;
class QStringListModel;

namespace tolvaran {

class CommandDisplay;
class MessageBoxes;
class SnippetListView;
class SnippetStore;

// The widgets the snippet browser works on; the main window owns them.
struct BrowserWidgets {
    SnippetListView* list = nullptr;    // List1
    QLineEdit* searchBox = nullptr;     // Text1
    QRadioButton* byCommand = nullptr;  // Option1(0)
    QRadioButton* byName = nullptr;     // Option1(1)
    CommandDisplay* display = nullptr;  // Text2
};

// Fills the snippet list, narrows it on every change of the search box, and shows the chosen
// snippet's command. A search that finds nothing leaves the list as it was; emptying the box
// brings every name back. Choosing a search mode takes effect at the next change of the box.
class SnippetBrowser : public QObject {
    Q_OBJECT
public:
    SnippetBrowser(const BrowserWidgets& widgets, SnippetStore& store, MessageBoxes& messages,
                   QObject* parent = nullptr);

    // Fills the list with every name; keeps the list when the store has none.
    void showAllNames();

private:
    void search(const QString& boxText);
    void choose();
    void showNames(const QStringList& names);
    void reportFailure(const QString& error);

    BrowserWidgets m_w;
    SnippetStore& m_store;
    MessageBoxes& m_messages;
    QStringListModel* m_model;
};

}  // namespace tolvaran
