#pragma once

#include <QString>

namespace tolvaran {

enum class MessageIcon { None, Information, Warning };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// A modal message: its text, icon, buttons and title. An empty title leaves the title to the
// desktop's default.
struct Message {
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString title;
};

// Shows modal messages and returns the button the user pressed. The program uses the desktop's
// message boxes; tests give the answers and read back what was asked.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};

}  // namespace tolvaran
