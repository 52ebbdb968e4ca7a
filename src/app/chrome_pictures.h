#pragma once

#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace tolvaran {

// Loads one of the program's pictures ("frame", "banner", ...), in double resolution where the
// screen has it.
QPixmap loadPicture(const QString& name, qreal devicePixelRatio);

// The never-shown holders of the chrome's pictures: Image10 the frame skin (13 × 101),
// Image9 the title-button sprite sheet (70 × 69), Image8 the banner (428 × 70).
struct ChromePictures {
    QLabel* banner = nullptr;        // Image8
    QLabel* titleButtons = nullptr;  // Image9
    QLabel* frame = nullptr;         // Image10
};
ChromePictures createPictureHolders(QWidget* window);

// The pointing hand shown over the snippet list, with its hot spot on the fingertip.
QCursor handCursor(qreal devicePixelRatio);

}  // namespace tolvaran
