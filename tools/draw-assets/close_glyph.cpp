#include <QPainter>

#include "canvas.h"
#include "palette.h"
#include "pictures.h"

namespace tolvaran::art {

// A grey disc filling the 21 x 21 cell with a white cross; transparent outside the disc.
QImage drawCloseGlyph(int scale) {
    constexpr int kSize = 21;
    QImage image = makeCanvas(QSize(kSize, kSize), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kRoundButton);
    painter.drawEllipse(QRectF(0, 0, kSize, kSize));

    // The diagonals run through the centres of the pixels they cross, about sqrt(2) wide, so at
    // 1x each row holds one whole white pixel per arm with half-lit neighbours.
    const double centre = kSize / 2.0;
    const double arm = 4.5;
    painter.setPen(QPen(kRoundButtonCross, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(centre - arm, centre - arm), QPointF(centre + arm, centre + arm));
    painter.drawLine(QPointF(centre - arm, centre + arm), QPointF(centre + arm, centre - arm));
    return image;
}

}  // namespace tolvaran::art
