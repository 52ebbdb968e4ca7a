#include "stored_command.h"

namespace tolvaran {

QString shownCommand(const QString& storedCommand) {
    return QString(storedCommand).replace(kStoredLineBreak, QStringLiteral("\r\n"));
}

}  // namespace tolvaran
