#include "snippet_browser.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>

#include "command_display.h"
#include "message_boxes.h"
#include "search_term.h"
#include "series_title.h"
#include "snippet_list_view.h"
#include "snippet_store.h"
#include "stored_command.h"

namespace tolvaran {

SnippetBrowser::SnippetBrowser(const BrowserWidgets& widgets, SnippetStore& store,
                               MessageBoxes& messages, QObject* parent)
    : QObject(parent),
      m_w(widgets),
      m_store(store),
      m_messages(messages),
      m_model(new QStringListModel(this)) {
    m_w.list->setModel(m_model);
    connect(m_w.searchBox, &QLineEdit::textChanged, this, &SnippetBrowser::search);
    // Choosing an entry with the mouse or the keyboard shows its command; merely giving the
    // list the focus does not.
    connect(m_w.list, &SnippetListView::entryChosen, this, &SnippetBrowser::choose);
}

void SnippetBrowser::showAllNames() {
    showNames(m_store.allSnippets());
}

void SnippetBrowser::search(const QString& boxText) {
    // An empty box shows every name; a search with the empty term first would only be replaced.
    if (boxText.isEmpty()) {
        showAllNames();
        return;
    }
    const QString term = searchTerm(boxText);
    showNames(m_w.byName->isChecked() ? m_store.snippetsByName(term)
                                      : m_store.snippetsByCommand(term));
}

// A search without a match leaves the list as it was.
void SnippetBrowser::showNames(const QStringList& names) {
    if (!names.isEmpty()) {
        m_model->setStringList(names);
    }
}

void SnippetBrowser::choose() {
    const QModelIndexList selected = m_w.list->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        return;  // a click that took the selection away chooses nothing
    }
    const QString name = selected.first().data().toString();
    const CommandLookup found = m_store.firstCommandNamed(name);
    if (!found.error.isEmpty()) {
        reportFailure(found.error);
    } else if (found.command) {
        m_w.display->showCommand(shownCommand(*found.command));
    }
    m_w.list->setToolTip(name);
}

void SnippetBrowser::reportFailure(const QString& error) {
    m_messages.show({QStringLiteral("读取命令库出错：") + error, MessageIcon::Warning,
                     MessageButtons::Ok, seriesTitle()});
}

}  // namespace tolvaran
