#pragma once

#include <QString>

namespace tolvaran {

// The title of the program's message boxes ("Merivon系列软件"). Empty until start-up sets it,
// just before the window is first shown; it never changes afterwards.
QString seriesTitle();
void setSeriesTitle(const QString& title);

inline constexpr char16_t kSeriesTitle[] = u"Merivon系列软件";

}  // namespace tolvaran
