#pragma once

#include <QFont>

namespace tolvaran {

// "微软雅黑" where the desktop has it, otherwise the first installed font with Simplified
// Chinese glyphs, so Chinese text never falls back to boxes.
QFont chineseFont(qreal pointSize);

}  // namespace tolvaran
