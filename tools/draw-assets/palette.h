#pragma once

#include <QColor>

namespace tolvaran::art {

// Every colour the pictures use. The header band is described row by row in logical pixels, so
// a picture that sits on the band can repaint exactly the rows behind it and a plain copy of the
// picture matches the band underneath.

// The window body below the band, and the thin outline around the whole window.
inline const QColor kBody{0xf0, 0xf0, 0xf0};
inline const QColor kOutline{0x3a, 0x40, 0x47};

// The header band: a bright line under the outline, a graphite gradient, a dark lower edge and
// a short shadow that fades into the body.
inline const QColor kBandHighlight{0x72, 0x7b, 0x85};
inline const QColor kBandTop{0x58, 0x61, 0x6b};
inline const QColor kBandBottom{0x2e, 0x33, 0x39};
inline const QColor kBandEdge{0x22, 0x26, 0x2b};
inline const QColor kBandShadow{0xb3, 0xb8, 0xbd};
inline const QColor kBandFade{0xdd, 0xdf, 0xe1};

constexpr int kBandHighlightRow = 1;
constexpr int kBandGradientFirstRow = 2;
constexpr int kBandGradientLastRow = 64;
constexpr int kBandEdgeRow = 65;
constexpr int kBandShadowRow = 66;
constexpr int kBandFadeRow = 67;

// Text and marks drawn on the band.
inline const QColor kTitleText{0xf5, 0xf6, 0xf7};
inline const QColor kSloganText{0xc3, 0xc9, 0xcf};
inline const QColor kLogoRim{0xd8, 0xdc, 0xe0};
inline const QColor kLogoFaceTop{0x4a, 0x52, 0x5b};
inline const QColor kLogoFaceBottom{0x23, 0x28, 0x2d};
inline const QColor kLogoGlyph{0xf5, 0xf6, 0xf7};

// Title-bar buttons. Red is kept for the close button alone.
inline const QColor kButtonGlyph{0xd9, 0xdd, 0xe1};
inline const QColor kButtonGlyphActive{0xff, 0xff, 0xff};
inline const QColor kButtonGlyphPressed{0xc8, 0xcd, 0xd2};
inline const QColor kPlateHover{0x6e, 0x77, 0x81};
inline const QColor kPlateHoverRim{0x86, 0x8e, 0x97};
inline const QColor kPlatePressed{0x24, 0x28, 0x2d};
inline const QColor kPlatePressedRim{0x19, 0x1c, 0x20};
inline const QColor kCloseHover{0xc4, 0x2b, 0x1c};
inline const QColor kCloseHoverRim{0xd6, 0x4a, 0x3c};
inline const QColor kClosePressed{0x99, 0x21, 0x16};
inline const QColor kClosePressedRim{0x7a, 0x1a, 0x11};

// The round close button of the guide panels.
inline const QColor kRoundButton{0x9d, 0xa3, 0xa9};
inline const QColor kRoundButtonCross{0xff, 0xff, 0xff};

// The pointing hand.
inline const QColor kCursorOutline{0x00, 0x00, 0x00};
inline const QColor kCursorFill{0xff, 0xff, 0xff};

// Straight mix of two colours; t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// Colour of one device row of the band's middle column (the column that is stretched across the
// window) when drawn at `scale` device pixels per logical pixel. Row 0 is the outline, rows from
// kBandFadeRow + 1 on are the body.
QColor bandRow(int deviceRow, int scale);

}  // namespace tolvaran::art
