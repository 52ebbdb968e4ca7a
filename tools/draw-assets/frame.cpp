#include <QPainter>
#include <QPainterPath>

#include "canvas.h"
#include "palette.h"
#include "pictures.h"

namespace tolvaran::art {
namespace {

// The window slices the frame like this (logical pixels):
//   rows 0-99    top band: columns 0-5 left corner, column 6 stretched, columns 7-12 right corner
//   rows 68-95   columns 0-2 and 10-12 stretched down the window's sides
//   rows 96-100  bottom: the same three column groups
// So everything below the band's shadow (rows 68-99) must already be plain body between the
// side edges, and the bottom border lives in row 100 alone.
constexpr int kWidth = 13;
constexpr int kHeight = 101;
constexpr int kTopRadius = 5;
constexpr int kBodyLastRow = 99;

// A rectangle whose top corners are rounded with `radius` and whose bottom corners are cut by
// `bevel` (0 keeps them square).
QPainterPath topRoundedRect(const QRectF& r, double radius, double bevel) {
    QPainterPath path;
    path.moveTo(r.left(), r.bottom() - bevel);
    path.lineTo(r.left(), r.top() + radius);
    path.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(r.right() - radius, r.top());
    path.arcTo(QRectF(r.right() - 2 * radius, r.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(r.right(), r.bottom() - bevel);
    path.lineTo(r.right() - bevel, r.bottom());
    path.lineTo(r.left() + bevel, r.bottom());
    path.closeSubpath();
    return path;
}

// An image whose every row has the colour of the band's middle column, used as a brush so the
// corners carry exactly the rows of the stretched column.
QImage bandRows(int scale) {
    QImage rows(kWidth * scale, kHeight * scale, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < rows.height(); ++y) {
        const QRgb colour = bandRow(y, scale).rgba();
        for (int x = 0; x < rows.width(); ++x) {
            rows.setPixel(x, y, colour);
        }
    }
    return rows;
}

}  // namespace

QImage drawFrame(int scale) {
    const double s = scale;
    QImage image = makeCanvas(QSize(kWidth, kHeight), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QBrush rows(bandRows(scale));

    // The outline: one logical pixel all round, rounded at the top, a softened cut at the bottom.
    painter.fillPath(topRoundedRect(QRectF(0, 0, kWidth * s, kHeight * s), kTopRadius * s, s),
                     kOutline);

    // The band's highlight follows the outline on the top and both sides of the band.
    const double bandBottom = (kBandGradientLastRow + 1) * s;
    painter.fillPath(
        topRoundedRect(QRectF(s, s, (kWidth - 2) * s, bandBottom - s), (kTopRadius - 1) * s, 0),
        kBandHighlight);

    // The gradient inside the highlight.
    painter.fillPath(topRoundedRect(QRectF(2 * s, 2 * s, (kWidth - 4) * s, bandBottom - 2 * s),
                                    (kTopRadius - 2) * s, 0),
                     rows);

    // The band's lower edge, its shadow and the body, straight across between the outlines.
    painter.fillRect(QRectF(s, bandBottom, (kWidth - 2) * s, (kBodyLastRow + 1) * s - bandBottom),
                     rows);
    return image;
}

}  // namespace tolvaran::art
