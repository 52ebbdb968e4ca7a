#pragma once

#include <QColor>
#include <QString>

namespace tolvaran {

// A shift of hue (degrees), saturation and brightness (each -100 to 100, in per cent of the
// way towards none or full).
struct HsvShift {
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
};

QColor shiftedColor(const QColor& color, const HsvShift& shift);

// Applies the shift to every colour a style sheet writes as #rgb, #rrggbb, #aarrggbb, rgb()
// or rgba(); colours given by name are left as they are.
QString shiftedStyleSheet(const QString& styleSheet, const HsvShift& shift);

}  // namespace tolvaran
