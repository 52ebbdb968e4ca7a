#include "skin_colors.h"

#include <QRegularExpression>

namespace tolvaran {
namespace {

int shiftChannel(int value, int percent) {
    percent = qBound(-100, percent, 100);
    if (percent < 0) {
        return value * (100 + percent) / 100;
    }
    return value + (255 - value) * percent / 100;
}

QString cssColor(const QColor& c) {
    if (c.alpha() == 255) {
        return c.name(QColor::HexRgb);
    }
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(c.alpha());
}

QColor parseRgbFunction(const QRegularExpressionMatch& m) {
    QColor c(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    if (!m.captured(5).isEmpty()) {
        c.setAlpha(qBound(0, m.captured(5).toInt(), 255));
    }
    return c;
}

}  // namespace

QColor shiftedColor(const QColor& color, const HsvShift& shift) {
    int h = 0;
    int s = 0;
    int v = 0;
    int a = 0;
    color.getHsv(&h, &s, &v, &a);
    if (h >= 0) {  // greys have no hue to turn
        h = ((h + shift.hue) % 360 + 360) % 360;
    }
    return QColor::fromHsv(h, shiftChannel(s, shift.saturation), shiftChannel(v, shift.brightness),
                           a);
}

QString shiftedStyleSheet(const QString& styleSheet, const HsvShift& shift) {
    static const QRegularExpression colour(
        QStringLiteral(R"((#[0-9a-fA-F]{8}\b|#[0-9a-fA-F]{6}\b|#[0-9a-fA-F]{3}\b)|)"
                       R"(rgba?\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*(?:,\s*(\d+)\s*)?\))"));
    QString out;
    qsizetype done = 0;
    auto it = colour.globalMatch(styleSheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QColor parsed = m.captured(1).isEmpty() ? parseRgbFunction(m) : QColor(m.captured(1));
        out += styleSheet.mid(done, m.capturedStart() - done);
        out += parsed.isValid() ? cssColor(shiftedColor(parsed, shift)) : m.captured();
        done = m.capturedEnd();
    }
    out += styleSheet.mid(done);
    return out;
}

}  // namespace tolvaran
