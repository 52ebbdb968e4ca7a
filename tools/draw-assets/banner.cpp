#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "canvas.h"
#include "palette.h"
#include "pictures.h"

namespace tolvaran::art {
namespace {

// The banner is copied to (10, 16) of the window, over rows 16-85 of the header band; its
// background repaints those band rows, so a plain copy leaves no seam. The marks themselves
// stay on the dark part of the band (banner rows 0-48, window rows 16-64).
constexpr int kWidth = 428;
constexpr int kHeight = 70;
constexpr int kWindowTop = 16;

const QRectF kLogo(4, 2, 40, 40);
constexpr double kTextLeft = 56;
constexpr double kTitleBaseline = 23;
constexpr double kSloganBaseline = 40;

const QString kTitleName = QStringLiteral("Tolvaran");
const QString kTitleVersion = QStringLiteral("V1.2");
const QString kSlogan = QStringLiteral("一步一步来，安心管好你的第一台 Ubuntu 服务器");

// The logo: a rounded terminal window holding a prompt, ">_".
void paintLogo(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLogoRim);
    painter.drawRoundedRect(kLogo, 8, 8);

    QLinearGradient face(kLogo.topLeft(), kLogo.bottomLeft());
    face.setColorAt(0, kLogoFaceTop);
    face.setColorAt(1, kLogoFaceBottom);
    painter.setBrush(face);
    painter.drawRoundedRect(kLogo.adjusted(2, 2, -2, -2), 6, 6);

    // The prompt: a chevron and a cursor bar, on whole pixels where they are straight.
    const double left = kLogo.left();
    const double top = kLogo.top();
    QPen pen(kLogoGlyph, 3.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath chevron;
    chevron.moveTo(left + 11, top + 12);
    chevron.lineTo(left + 19, top + 20);
    chevron.lineTo(left + 11, top + 28);
    painter.drawPath(chevron);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(left + 22, top + 26, 9, 3), kLogoGlyph);
}

void paintTexts(QPainter& painter) {
    const QFont nameFont = latinFont(25, QFont::Bold);
    const QFont versionFont = latinFont(25, QFont::Normal);
    painter.setFont(nameFont);
    painter.setPen(kTitleText);
    painter.drawText(QPointF(kTextLeft, kTitleBaseline), kTitleName);

    const double nameWidth = QFontMetricsF(nameFont).horizontalAdvance(kTitleName);
    const double gap = QFontMetricsF(versionFont).horizontalAdvance(QLatin1Char(' '));
    painter.setFont(versionFont);
    painter.setPen(kSloganText);
    painter.drawText(QPointF(kTextLeft + nameWidth + gap, kTitleBaseline), kTitleVersion);

    painter.setFont(chineseFont(13));
    painter.setPen(kSloganText);
    painter.drawText(QPointF(kTextLeft + 1, kSloganBaseline), kSlogan);
}

}  // namespace

QImage drawBanner(int scale) {
    QImage image = makeCanvas(QSize(kWidth, kHeight), scale);
    QPainter painter(&image);
    paintBandBehind(painter, image.rect(), kWindowTop, scale);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    paintLogo(painter);
    paintTexts(painter);
    return image;
}

}  // namespace tolvaran::art
