#pragma once

#include <QString>

namespace tolvaran {

// A command is stored on one line: every "%" in it stands for a line break.
inline constexpr QChar kStoredLineBreak = QLatin1Char('%');

// A stored command as it is shown and copied: every "%" becomes a CR LF line break.
QString shownCommand(const QString& storedCommand);

}  // namespace tolvaran
