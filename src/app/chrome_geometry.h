#pragma once

#include <QRect>
#include <QSize>
#include <array>

namespace tolvaran::chrome {

// The window paints its own frame, banner and title-bar buttons from three pictures. All
// coordinates are pixels of the client area; SW and SH are its width and height, read afresh
// at every event. Bounds written as "SW − n" are computed in single precision.

enum class Picture { Frame, TitleButtons, Banner };

// One draw of the paint sequence: a source rectangle of a picture stretched into a target
// rectangle. A null source means the whole picture at its natural size.
struct Draw {
    Picture picture;
    QRect source;
    QRect target;
};

// The eleven draws, in order: frame corners and edges, both buttons in their normal state,
// and the banner last. The middle of the window is not drawn.
std::array<Draw, 11> paintSequence(QSize client);

enum class ButtonImage {
    MinimiseNormal,
    MinimiseHover,
    MinimisePressed,
    CloseNormal,
    CloseHover,
    ClosePressed,
};

// Where an image lies in the sprite sheet, and where it is drawn (unscaled) on the window.
QRect spriteSource(ButtonImage image);
QRect buttonTarget(ButtonImage image, int clientWidth);

// What a left press in the title strip does; other buttons and presses below it do nothing.
enum class PressAction { Nothing, ShowMinimisePressed, ShowClosePressed, MoveWindow };
PressAction pressAction(int button, float x, float y, int clientWidth);

// The two images a pointer move draws, minimise first; every move draws both.
std::array<ButtonImage, 2> hoverImages(float x, float y, int clientWidth);

// What releasing any mouse button does, judged by where it is released only.
enum class ReleaseAction { Nothing, Minimise, Close };
ReleaseAction releaseAction(float x, float y, int clientWidth);

// Mouse buttons as the handlers number them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

}  // namespace tolvaran::chrome
