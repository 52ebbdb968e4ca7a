#pragma once

#include <QList>
#include <QQueue>

#include "desktop.h"

namespace tolvaran::test {

// Stands in for the desktop's message boxes: notes every message and answers from a queue
// (OK, or "No" for a Yes/No question, when the queue is empty).
class RecordingMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const Message& message) override {
        shown << message;
        if (!answers.isEmpty()) {
            return answers.dequeue();
        }
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

    QList<Message> shown;
    QQueue<MessageAnswer> answers;
};

// Notes that the program asked to end instead of ending the test process.
class RecordingExit : public ProgramExit {
public:
    void end(int status) override {
        ++calls;
        lastStatus = status;
    }

    int calls = 0;
    int lastStatus = 0;
};

// The desktop refers to the two recorders beside it, so it is never copied or moved.
struct RecordingDesktop {
    RecordingDesktop() = default;
    RecordingDesktop(const RecordingDesktop&) = delete;
    RecordingDesktop& operator=(const RecordingDesktop&) = delete;

    RecordingMessageBoxes messages;
    RecordingExit exit;
    Desktop desktop{messages, exit};
};

}  // namespace tolvaran::test
