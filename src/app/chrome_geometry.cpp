#include "chrome_geometry.h"

namespace tolvaran::chrome {
namespace {

constexpr float kTitleStripBottom = 68.0f;
constexpr float kBandTop = 2.0f;
constexpr float kBandBottom = 22.0f;
constexpr int kButtonTop = 2;
constexpr int kMinimiseOffset = 80;  // from the right edge
constexpr int kCloseOffset = 51;
constexpr int kCloseZoneEnd = 10;

bool inBand(float y) {
    return y >= kBandTop && y <= kBandBottom;
}

// The zones are inclusive; the minimise zone is tested first, so its last column (the close
// image's first) counts as minimise, and the close zone reaches one column past its image.
bool inMinimiseZone(float x, int sw) {
    return x >= static_cast<float>(sw) - kMinimiseOffset &&
           x <= static_cast<float>(sw) - kCloseOffset;
}
bool inCloseZone(float x, int sw) {
    return x >= static_cast<float>(sw) - kCloseOffset &&
           x <= static_cast<float>(sw) - kCloseZoneEnd;
}

}  // namespace

std::array<Draw, 11> paintSequence(QSize client) {
    const int sw = client.width();
    const int sh = client.height();
    return {{
        {Picture::Frame, {0, 0, 6, 100}, {0, 0, 6, 100}},             // top-left corner
        {Picture::Frame, {6, 0, 1, 100}, {6, 0, sw - 12, 100}},       // top edge
        {Picture::Frame, {7, 0, 6, 100}, {sw - 6, 0, 6, 100}},        // top-right corner
        {Picture::Frame, {0, 68, 3, 28}, {0, 68, 3, sh - 73}},        // left edge
        {Picture::Frame, {10, 68, 3, 28}, {sw - 3, 68, 3, sh - 73}},  // right edge
        {Picture::Frame, {0, 96, 6, 5}, {0, sh - 5, 6, 5}},           // bottom-left corner
        {Picture::Frame, {6, 96, 1, 5}, {6, sh - 5, sw - 12, 5}},     // bottom edge
        {Picture::Frame, {7, 96, 6, 5}, {sw - 6, sh - 5, 6, 5}},      // bottom-right corner
        {Picture::TitleButtons, spriteSource(ButtonImage::MinimiseNormal),
         buttonTarget(ButtonImage::MinimiseNormal, sw)},
        {Picture::TitleButtons, spriteSource(ButtonImage::CloseNormal),
         buttonTarget(ButtonImage::CloseNormal, sw)},
        {Picture::Banner, QRect(), QRect(10, 16, 428, 70)},
    }};
}

QRect spriteSource(ButtonImage image) {
    switch (image) {
        case ButtonImage::MinimiseNormal:
            return {0, 0, 29, 20};
        case ButtonImage::MinimiseHover:
            return {0, 21, 29, 20};
        case ButtonImage::MinimisePressed:
            return {0, 41, 29, 20};
        case ButtonImage::CloseNormal:
            return {29, 0, 41, 20};
        case ButtonImage::CloseHover:
            return {29, 21, 41, 20};
        case ButtonImage::ClosePressed:
            return {29, 42, 41, 20};
    }
    return {};
}

QRect buttonTarget(ButtonImage image, int clientWidth) {
    const QRect source = spriteSource(image);
    const bool minimise = source.x() == 0;
    const int left = clientWidth - (minimise ? kMinimiseOffset : kCloseOffset);
    return {left, kButtonTop, source.width(), source.height()};
}

PressAction pressAction(int button, float x, float y, int clientWidth) {
    if (button != kLeftButton || y > kTitleStripBottom) {
        return PressAction::Nothing;
    }
    if (inBand(y) && inMinimiseZone(x, clientWidth)) {
        return PressAction::ShowMinimisePressed;
    }
    if (inBand(y) && inCloseZone(x, clientWidth)) {
        return PressAction::ShowClosePressed;
    }
    return PressAction::MoveWindow;
}

std::array<ButtonImage, 2> hoverImages(float x, float y, int clientWidth) {
    if (inBand(y) && inMinimiseZone(x, clientWidth)) {
        return {ButtonImage::MinimiseHover, ButtonImage::CloseNormal};
    }
    if (inBand(y) && inCloseZone(x, clientWidth)) {
        return {ButtonImage::MinimiseNormal, ButtonImage::CloseHover};
    }
    return {ButtonImage::MinimiseNormal, ButtonImage::CloseNormal};
}

ReleaseAction releaseAction(float x, float y, int clientWidth) {
    if (!inBand(y)) {
        return ReleaseAction::Nothing;
    }
    if (inMinimiseZone(x, clientWidth)) {
        return ReleaseAction::Minimise;
    }
    if (inCloseZone(x, clientWidth)) {
        return ReleaseAction::Close;
    }
    return ReleaseAction::Nothing;
}

}  // namespace tolvaran::chrome
