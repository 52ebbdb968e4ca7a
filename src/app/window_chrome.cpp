#include "window_chrome.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "multimedia.h"
#include "program_exit.h"

namespace tolvaran {

using namespace chrome;

namespace {

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

// Copies a part of a picture, stretched to the target; source rectangles are given in the
// picture's own pixels at 1×.
void drawPart(QPainter& painter, const QRect& target, const QPixmap& pixmap, const QRect& source) {
    const qreal ratio = pixmap.devicePixelRatio();
    const QRectF scaled(source.x() * ratio, source.y() * ratio, source.width() * ratio,
                        source.height() * ratio);
    painter.drawPixmap(QRectF(target), pixmap, scaled);
}

}  // namespace

WindowChrome::WindowChrome(QWidget* window, ProgramExit& exit)
    : QObject(window),
      m_window(window),
      m_exit(exit),
      m_pictures(createPictureHolders(window)),
      m_shown{ButtonImage::MinimiseNormal, ButtonImage::CloseNormal} {
    window->setMouseTracking(true);
}

QPixmap WindowChrome::pictureOf(Picture picture) const {
    switch (picture) {
        case Picture::Banner:
            return m_pictures.banner->pixmap();
        case Picture::TitleButtons:
            return m_pictures.titleButtons->pixmap();
        case Picture::Frame:
            break;
    }
    return m_pictures.frame->pixmap();
}

void WindowChrome::paint(QPainter& painter) const {
    for (const Draw& draw : paintSequence(m_window->size())) {
        const QPixmap pixmap = pictureOf(draw.picture);
        const QRect source = draw.source.isNull()
                                 ? QRect(QPoint(0, 0), pixmap.deviceIndependentSize().toSize())
                                 : draw.source;
        drawPart(painter, draw.target, pixmap, source);
    }
    // What the buttons show now: the normal images, unless the pointer drew others since.
    for (const ButtonImage image : m_shown) {
        drawPart(painter, buttonTarget(image, m_window->width()), pictureOf(Picture::TitleButtons),
                 spriteSource(image));
    }
}

void WindowChrome::showButtons(ButtonImage minimise, ButtonImage close) {
    m_shown = {minimise, close};
    const int width = m_window->width();
    m_window->update(buttonTarget(minimise, width).united(buttonTarget(close, width)));
}

void WindowChrome::showNormalButtons() {
    m_shown = {ButtonImage::MinimiseNormal, ButtonImage::CloseNormal};
}

// Controls on the window take their own mouse events; only the window's own surface counts.
bool WindowChrome::onOwnSurface(const QMouseEvent* event) const {
    return m_window->childAt(event->position().toPoint()) == nullptr;
}

void WindowChrome::mousePressed(QMouseEvent* event) {
    if (!onOwnSurface(event)) {
        return;
    }
    const QPointF p = event->position();
    switch (pressAction(buttonNumber(event->button()), p.x(), p.y(), m_window->width())) {
        case PressAction::ShowMinimisePressed:
            showButtons(ButtonImage::MinimisePressed, m_shown[1]);
            break;
        case PressAction::ShowClosePressed:
            showButtons(m_shown[0], ButtonImage::ClosePressed);
            break;
        case PressAction::MoveWindow:
            startMove(event);
            break;
        case PressAction::Nothing:
            break;
    }
}

void WindowChrome::startMove(QMouseEvent* event) {
    QWindow* handle = m_window->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    // The desktop cannot move it: the window follows the pointer while the button is held.
    m_ownMove = true;
    m_grabOffset = event->globalPosition().toPoint() - m_window->pos();
}

void WindowChrome::mouseMoved(QMouseEvent* event) {
    if (m_ownMove && (event->buttons() & Qt::LeftButton)) {
        m_window->move(event->globalPosition().toPoint() - m_grabOffset);
    }
    if (!onOwnSurface(event)) {
        return;
    }
    const QPointF p = event->position();
    const auto [minimise, close] = hoverImages(p.x(), p.y(), m_window->width());
    showButtons(minimise, close);
}

void WindowChrome::mouseReleased(QMouseEvent* event) {
    m_ownMove = false;
    if (!onOwnSurface(event)) {
        return;
    }
    const QPointF p = event->position();
    switch (releaseAction(p.x(), p.y(), m_window->width())) {
        case ReleaseAction::Minimise:
            m_window->showMinimized();
            break;
        case ReleaseAction::Close:
            closeAllMultimedia();
            m_exit.end(0);
            return;
        case ReleaseAction::Nothing:
            break;
    }
}

}  // namespace tolvaran
