#include <QPainter>
#include <QPainterPath>

#include "canvas.h"
#include "palette.h"
#include "pictures.h"

namespace tolvaran::art {
namespace {

// The hand is drawn as a solid silhouette first; every pixel of it is then either white fill or
// black outline, and everything else stays transparent, so it reads as a two-colour cursor at
// 1x and 2x alike. The outline is one logical pixel wide: a pixel of the silhouette is outline
// when a pixel outside the silhouette lies within `scale` device pixels of it.
//
// Coordinates are logical pixels, measured on pixel corners. The index finger's round tip
// reaches row 0 at columns 4-6, so the hot spot (5, 0) sits on the fingertip.
constexpr int kSize = 32;

QPainterPath capsule(const QRectF& r) {
    QPainterPath path;
    const double radius = r.width() / 2;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void paintSilhouette(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    // The index finger, pointing up.
    painter.drawPath(capsule(QRectF(2, 0, 7, 20)));
    // Middle, ring and little finger, curled into the palm; each knuckle a row lower, and
    // neighbours share their outline column.
    painter.drawPath(capsule(QRectF(8, 7, 5, 12)));
    painter.drawPath(capsule(QRectF(12, 8, 5, 12)));
    painter.drawPath(capsule(QRectF(16, 9, 5, 11)));
    // The palm, narrowing towards the wrist on the little-finger side.
    QPainterPath palm;
    palm.moveTo(3, 12);
    palm.lineTo(21, 12);
    palm.lineTo(21, 20);
    palm.cubicTo(21, 22, 20, 23, 19, 24);
    palm.lineTo(8, 24);
    palm.lineTo(3, 18);
    palm.closeSubpath();
    painter.drawPath(palm);
    // The wrist.
    painter.drawRect(QRectF(8, 22, 11, 6));
    // The thumb: a rounded limb from beside the index finger down to the wrist.
    painter.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.2, 15.2), QPointF(7.5, 21.5));
}

// Short creases where the curled fingers meet: column, first row, last row (logical).
struct Crease {
    int column;
    int firstRow;
    int lastRow;
};
constexpr Crease kCreases[] = {{8, 7, 14}, {12, 8, 14}, {16, 9, 15}};

bool insideSilhouette(const QImage& mask, int x, int y) {
    return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() &&
           qAlpha(mask.pixel(x, y)) >= 128;
}

bool nearOutside(const QImage& mask, int x, int y, int reach) {
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (dx * dx + dy * dy <= reach * reach && !insideSilhouette(mask, x + dx, y + dy)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

QImage drawHandCursor(int scale) {
    QImage mask = makeCanvas(QSize(kSize, kSize), scale);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paintSilhouette(painter);
    }

    QImage image = makeCanvas(QSize(kSize, kSize), scale);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!insideSilhouette(mask, x, y)) {
                continue;
            }
            const QColor& colour = nearOutside(mask, x, y, scale) ? kCursorOutline : kCursorFill;
            image.setPixel(x, y, colour.rgba());
        }
    }

    QPainter painter(&image);
    for (const Crease& crease : kCreases) {
        painter.fillRect(QRect(crease.column * scale, crease.firstRow * scale, scale,
                               (crease.lastRow - crease.firstRow + 1) * scale),
                         kCursorOutline);
    }
    return image;
}

}  // namespace tolvaran::art
