#include <QPainter>
#include <QPainterPath>

#include "canvas.h"
#include "palette.h"
#include "pictures.h"

namespace tolvaran::art {
namespace {

// The sheet holds six 20-row images; the window cuts them out at these places and draws them at
// y = 2 over the header band, so each image repaints band rows 2-21 behind its button.
constexpr int kSheetWidth = 70;
constexpr int kSheetHeight = 69;
constexpr int kButtonHeight = 20;
constexpr int kWindowTop = 2;

constexpr int kMinimiseLeft = 0;
constexpr int kMinimiseWidth = 29;
constexpr int kCloseLeft = 29;
constexpr int kCloseWidth = 41;

constexpr int kNormalTop = 0;
constexpr int kHoverTop = 21;
constexpr int kMinimisePressedTop = 41;
constexpr int kClosePressedTop = 42;

enum class State { Normal, Hover, Pressed };
enum class Kind { Minimise, Close };

struct PlateColours {
    QColor rim;
    QColor face;
};

PlateColours plateColours(Kind kind, State state) {
    if (state == State::Hover) {
        return kind == Kind::Close ? PlateColours{kCloseHoverRim, kCloseHover}
                                   : PlateColours{kPlateHoverRim, kPlateHover};
    }
    return kind == Kind::Close ? PlateColours{kClosePressedRim, kClosePressed}
                               : PlateColours{kPlatePressedRim, kPlatePressed};
}

QColor glyphColour(State state) {
    switch (state) {
        case State::Normal:
            return kButtonGlyph;
        case State::Hover:
            return kButtonGlyphActive;
        case State::Pressed:
            return kButtonGlyphPressed;
    }
    return kButtonGlyph;
}

// A rounded plate one logical pixel inside the cell, with a one-pixel rim.
void paintPlate(QPainter& painter, int width, const PlateColours& colours) {
    const QRectF outer(1, 0, width - 2, kButtonHeight - 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.rim);
    painter.drawRoundedRect(outer, 3, 3);
    painter.setBrush(colours.face);
    painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 2, 2);
}

// Both glyphs are centred on the middle of pixel row 9 and of the cell's middle column.
constexpr double kGlyphCentreY = 9.5;

// A minus of 11 x 2 pixels on whole pixels (rows 9 and 10).
void paintMinus(QPainter& painter, int width, double drop, const QColor& colour) {
    painter.fillRect(QRectF((width - 11) / 2.0, 9 + drop, 11, 2), colour);
}

// A cross of two diagonals over 9 x 9 pixels. Each diagonal runs through pixel corners and is
// sqrt(2) wide, so at 1x it covers one whole pixel per row with half-lit neighbours.
void paintCross(QPainter& painter, int width, double drop, const QColor& colour) {
    const double cx = width / 2.0;
    const double cy = kGlyphCentreY + drop;
    const double arm = 4.5;
    QPen pen(colour, 1.42, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(cx - arm, cy - arm), QPointF(cx + arm, cy + arm));
    painter.drawLine(QPointF(cx - arm, cy + arm), QPointF(cx + arm, cy - arm));
}

void paintButton(QPainter& painter, int scale, Kind kind, State state, int left, int top) {
    const int width = kind == Kind::Close ? kCloseWidth : kMinimiseWidth;
    paintBandBehind(painter, QRect(left * scale, top * scale, width * scale, kButtonHeight * scale),
                    kWindowTop, scale);

    painter.save();
    painter.scale(scale, scale);
    painter.translate(left, top);
    if (state != State::Normal) {
        paintPlate(painter, width, plateColours(kind, state));
    }
    // A pressed button's glyph sinks by one pixel, as if pushed into the band.
    const double drop = state == State::Pressed ? 1 : 0;
    if (kind == Kind::Close) {
        paintCross(painter, width, drop, glyphColour(state));
    } else {
        paintMinus(painter, width, drop, glyphColour(state));
    }
    painter.restore();
}

}  // namespace

QImage drawTitleButtons(int scale) {
    QImage image = makeCanvas(QSize(kSheetWidth, kSheetHeight), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    paintButton(painter, scale, Kind::Minimise, State::Normal, kMinimiseLeft, kNormalTop);
    paintButton(painter, scale, Kind::Minimise, State::Hover, kMinimiseLeft, kHoverTop);
    paintButton(painter, scale, Kind::Minimise, State::Pressed, kMinimiseLeft, kMinimisePressedTop);
    paintButton(painter, scale, Kind::Close, State::Normal, kCloseLeft, kNormalTop);
    paintButton(painter, scale, Kind::Close, State::Hover, kCloseLeft, kHoverTop);
    paintButton(painter, scale, Kind::Close, State::Pressed, kCloseLeft, kClosePressedTop);
    return image;
}

}  // namespace tolvaran::art
