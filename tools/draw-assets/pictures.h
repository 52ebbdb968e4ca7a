#pragma once

#include <QImage>

namespace tolvaran::art {

// Each picture is drawn natively at `scale` (1 or 2) device pixels per logical pixel; the
// logical sizes are fixed because the window slices and places them at exact positions.

// 13 x 101: the window frame, read as a nine-part frame (see frame.cpp for the slices).
QImage drawFrame(int scale);

// 70 x 69: minimise and close buttons, each normal, hovered and pressed.
QImage drawTitleButtons(int scale);

// 428 x 70: logo, product title and slogan, drawn over the header band at (10, 16).
QImage drawBanner(int scale);

// 21 x 21: the round close button of the guide panels.
QImage drawCloseGlyph(int scale);

// 32 x 32: the pointing hand cursor, hot spot (5, 0).
QImage drawHandCursor(int scale);

}  // namespace tolvaran::art
