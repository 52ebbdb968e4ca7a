#include "main_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "desktop.h"
#include "main_window_layout.h"
#include "snippet_browser.h"
#include "twips.h"
#include "window_placement.h"

namespace tolvaran {

MainWindow::MainWindow(SnippetStore& store, Desktop& desktop)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(kCaption));
    setFixedSize(twips(9255), twips(8130));
    m_browser = new SnippetBrowser(buildMainWindowControls(this), store, desktop.messages, this);
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
