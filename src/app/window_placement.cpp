#include "window_placement.h"

namespace tolvaran {

QPoint centredOn(const QRect& screen, const QSize& size) {
    return {screen.x() + (screen.width() - size.width()) / 2,
            screen.y() + (screen.height() - size.height()) / 2};
}

}  // namespace tolvaran
