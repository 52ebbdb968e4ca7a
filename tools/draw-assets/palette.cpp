#include "palette.h"

#include <cmath>

namespace tolvaran::art {

QColor mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * t));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QColor bandRow(int deviceRow, int scale) {
    const int row = deviceRow / scale;
    if (row < kBandHighlightRow) {
        return kOutline;
    }
    if (row < kBandGradientFirstRow) {
        return kBandHighlight;
    }
    if (row <= kBandGradientLastRow) {
        // Measured at the middle of the device row, so 1x and 2x follow the same curve.
        const double y = (deviceRow + 0.5) / scale - kBandGradientFirstRow;
        const double span = kBandGradientLastRow + 1 - kBandGradientFirstRow;
        return mix(kBandTop, kBandBottom, y / span);
    }
    if (row == kBandEdgeRow) {
        return kBandEdge;
    }
    if (row == kBandShadowRow) {
        return kBandShadow;
    }
    if (row == kBandFadeRow) {
        return kBandFade;
    }
    return kBody;
}

}  // namespace tolvaran::art
