#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;

namespace tolvaran::art {

// A transparent image of `logicalSize` logical pixels at `scale` device pixels each.
QImage makeCanvas(QSize logicalSize, int scale);

// Paints the header band behind a picture: device rows of `deviceRect` are filled with the band
// rows they cover when the picture is placed `windowTop` logical pixels below the window's top.
void paintBandBehind(QPainter& painter, const QRect& deviceRect, int windowTop, int scale);

// The CJK font for Chinese text, with fallbacks for the systems the program runs on.
QFont chineseFont(int pixelSize);

// The Latin sans font for product names and numbers.
QFont latinFont(int pixelSize, int weight);

}  // namespace tolvaran::art
