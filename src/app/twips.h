#pragma once

#include <QRect>

namespace tolvaran {

// Places and sizes of the window's controls are kept in twips, as the layout tables give
// them; 15 twips make one device-independent pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    return value / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace tolvaran
