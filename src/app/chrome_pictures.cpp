#include "chrome_pictures.h"

#include <QCursor>
#include <QFile>
#include <QLabel>

#include "twips.h"

namespace tolvaran {
namespace {

QLabel* holder(QWidget* window, const char* name, const QString& picture, const QRect& rect) {
    auto* label = new QLabel(window);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setPixmap(loadPicture(picture, window->devicePixelRatioF()));
    label->hide();
    return label;
}

}  // namespace

QPixmap loadPicture(const QString& name, qreal devicePixelRatio) {
    const QString base = QStringLiteral(":/assets/") + name;
    const QString doubled = base + QStringLiteral("@2x.png");
    if (devicePixelRatio > 1.0 && QFile::exists(doubled)) {
        QPixmap pixmap(doubled);
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    return QPixmap(base + QStringLiteral(".png"));
}

ChromePictures createPictureHolders(QWidget* window) {
    ChromePictures pictures;
    pictures.banner =
        holder(window, "Image8", QStringLiteral("banner"), twipsRect(0, 240, 6420, 1050));
    pictures.titleButtons =
        holder(window, "Image9", QStringLiteral("title-buttons"), twipsRect(8160, 0, 1050, 1035));
    pictures.frame =
        holder(window, "Image10", QStringLiteral("frame"), twipsRect(6960, 240, 195, 1515));
    return pictures;
}

QCursor handCursor(qreal devicePixelRatio) {
    // The hot spot is given in device-independent pixels of the picture.
    return QCursor(loadPicture(QStringLiteral("hand-cursor"), devicePixelRatio), 5, 0);
}

}  // namespace tolvaran
