#pragma once

#include <QObject>
#include <QPoint>
#include <array>

#include "chrome_geometry.h"
#include "chrome_pictures.h"

class QMouseEvent;
class QPainter;

namespace tolvaran {

class ProgramExit;

// The painted frame and title-bar buttons of the frameless main window: paints them, shows the
// buttons' hover and pressed images, moves, minimises and closes the window. Every decision is
// taken from the pointer position and the current client size (chrome_geometry.h).
class WindowChrome : public QObject {
    Q_OBJECT
public:
    WindowChrome(QWidget* window, ProgramExit& exit);

    void paint(QPainter& painter) const;
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

    // A repaint of the whole window (on showing, on restoring) draws the normal images.
    void showNormalButtons();

private:
    void showButtons(chrome::ButtonImage minimise, chrome::ButtonImage close);
    bool onOwnSurface(const QMouseEvent* event) const;
    void startMove(QMouseEvent* event);
    QPixmap pictureOf(chrome::Picture picture) const;

    QWidget* m_window;
    ProgramExit& m_exit;
    ChromePictures m_pictures;
    std::array<chrome::ButtonImage, 2> m_shown;
    // Only for desktops that cannot move a window for us: where the pointer grabbed it.
    bool m_ownMove = false;
    QPoint m_grabOffset;
};

}  // namespace tolvaran
