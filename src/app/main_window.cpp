#include "main_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "desktop.h"
#include "main_window_layout.h"
#include "snippet_browser.h"
#include "snippet_list_view.h"
#include "twips.h"
#include "window_chrome.h"
#include "window_placement.h"

namespace tolvaran {

MainWindow::MainWindow(SnippetStore& store, Desktop& desktop)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(kCaption));
    setFixedSize(twips(9255), twips(8130));
    const BrowserWidgets controls = buildMainWindowControls(this);
    controls.list->viewport()->setCursor(handCursor(devicePixelRatioF()));
    m_browser = new SnippetBrowser(controls, store, desktop.messages, this);
    m_chrome = new WindowChrome(this, desktop.exit);
}

void MainWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    m_chrome->paint(painter);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    m_chrome->mousePressed(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    m_chrome->mouseMoved(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    m_chrome->mouseReleased(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    m_chrome->showNormalButtons();
    QWidget::showEvent(event);
}

// Coming back from the task bar repaints the whole window, buttons in their normal state.
void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        m_chrome->showNormalButtons();
        update();
    }
    QWidget::changeEvent(event);
}

void MainWindow::showCentred() {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        move(centredOn(screen->availableGeometry(), size()));
    }
    show();
}

}  // namespace tolvaran
