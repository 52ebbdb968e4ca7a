#pragma once

#include <QWidget>

namespace tolvaran {

struct Desktop;
class SnippetBrowser;
class SnippetStore;
class WindowChrome;

// The program's one window: frameless, 617 × 542 pixels, every control at the place the layout
// gives it in twips. Control object names are the layout's control names (List1, Text2, um_5).
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Tolvaran V1.2";

    MainWindow(SnippetStore& store, Desktop& desktop);

    SnippetBrowser& browser() { return *m_browser; }

    // Shows the window centred on the screen it will appear on.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    SnippetBrowser* m_browser = nullptr;
    WindowChrome* m_chrome = nullptr;
};

}  // namespace tolvaran
