#include "canvas.h"

#include <QFont>
#include <QPainter>
#include <QStringList>

#include "palette.h"

namespace tolvaran::art {

QImage makeCanvas(QSize logicalSize, int scale) {
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paintBandBehind(QPainter& painter, const QRect& deviceRect, int windowTop, int scale) {
    for (int y = deviceRect.top(); y <= deviceRect.bottom(); ++y) {
        const int windowRow = windowTop * scale + (y - deviceRect.top());
        painter.fillRect(QRect(deviceRect.left(), y, deviceRect.width(), 1),
                         bandRow(windowRow, scale));
    }
}

QFont chineseFont(int pixelSize) {
    QFont font;
    font.setFamilies({"Microsoft YaHei", "微软雅黑", "WenQuanYi Micro Hei", "Noto Sans CJK SC"});
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont latinFont(int pixelSize, int weight) {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Segoe UI", "Arial", "Sans Serif"});
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace tolvaran::art
