#pragma once

#include <QString>
#include <memory>

class QApplication;

namespace tolvaran {

struct Desktop;
class MainWindow;
class SnippetStore;

// What a started program holds for the rest of its run.
struct Session {
    std::unique_ptr<SnippetStore> store;
    std::unique_ptr<MainWindow> window;
    ~Session();
};

// The start-up sequence: open the snippet database (on failure: two messages, then the program
// ends), build the window, fill the list, apply the skin, set the series title, show the window
// centred, check for updates. Returns the session, or nothing once the program has ended.
std::unique_ptr<Session> startUp(QApplication& app, const QString& appFolder, Desktop& desktop);

// The number the connection failure message ends with; set when the program is built.
QString administratorContact();

}  // namespace tolvaran
