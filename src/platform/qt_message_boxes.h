#pragma once

#include "message_boxes.h"

namespace tolvaran {

// Message boxes of the desktop, with their buttons named in Chinese.
class QtMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const Message& message) override;
};

}  // namespace tolvaran
