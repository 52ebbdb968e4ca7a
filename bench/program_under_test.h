#pragma once

#include <QString>
#include <memory>

#include "recording_desktop.h"
#include "startup.h"

class QLineEdit;
class QListView;
class QRadioButton;
class QStringListModel;

namespace tolvaran {
class CommandDisplay;
class SnippetStore;
}  // namespace tolvaran

namespace tolvaran::bench {

// The real program, started through its own start-up sequence on an application folder, with
// message boxes and the exit recorded instead of shown or taken.
class ProgramUnderTest {
public:
    // Starts the program and waits until its window is exposed and List1 has been painted.
    // `startupMs` receives the time from calling startUp() to that point. Null on failure.
    static std::unique_ptr<ProgramUnderTest> start(const QString& appFolder, double* startupMs);

    QLineEdit* searchBox() const { return m_searchBox; }     // Text1
    QListView* list() const { return m_list; }               // List1
    CommandDisplay* display() const { return m_display; }    // Text2
    QRadioButton* byName() const { return m_byName; }        // Option1_1
    QRadioButton* byCommand() const { return m_byCommand; }  // Option1_0
    QStringListModel* listModel() const;
    SnippetStore& store() const { return *m_session->store; }
    int messagesShown() const { return static_cast<int>(m_recorder.messages.shown.size()); }

    // Types a whole text into the search box and paints the list (the timed step's shape).
    void setSearchText(const QString& text);
    // Lets every posted event run, so no earlier work spills into the next timing.
    static void settle();
    // Start-up times of `repeats` more starts on `folder`, after the first in the process.
    static QVector<double> laterStartups(const QString& folder, int repeats);

private:
    ProgramUnderTest() = default;

    test::RecordingDesktop m_recorder;
    std::unique_ptr<Session> m_session;
    QLineEdit* m_searchBox = nullptr;
    QListView* m_list = nullptr;
    CommandDisplay* m_display = nullptr;
    QRadioButton* m_byName = nullptr;
    QRadioButton* m_byCommand = nullptr;
};

}  // namespace tolvaran::bench
