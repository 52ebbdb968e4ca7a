#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tolvaran {

// Top-left corner that centres a window of `size` on `screen` (the available area).
QPoint centredOn(const QRect& screen, const QSize& size);

}  // namespace tolvaran
