#include "main_window_layout.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "command_display.h"
#include "snippet_browser.h"
#include "snippet_list_view.h"
#include "twips.h"
#include "ui_font.h"

namespace tolvaran {
namespace {

template <typename W>
W* place(QWidget* parent, const char* name, const QRect& rect) {
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(rect);
    return w;
}

// A panel: the window colour as background, the text colour as foreground, a flat one-pixel
// border. Guide panels open centred; their stored places lie right of the visible area.
QFrame* panel(QWidget* parent, const char* name, const QRect& rect, bool hidden) {
    auto* frame = place<QFrame>(parent, name, rect);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    frame->setBackgroundRole(QPalette::Base);
    frame->setForegroundRole(QPalette::Text);
    frame->setAutoFillBackground(true);
    frame->setVisible(!hidden);
    return frame;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
    auto* l = place<QLabel>(parent, name, rect);
    l->setText(text);
    l->setFont(chineseFont(12));
    l->adjustSize();
    return l;
}

struct GuideButton {
    const char* name;
    const char* caption;
    int left;
    int top;
};

// The guide buttons, by index; their actions come with the guide panels.
constexpr GuideButton kGuideButtons[] = {
    {"Command5_0", "如何登陆Ubuntu", 1920, 240},   {"Command5_1", "如何安装PHP5", 240, 960},
    {"Command5_2", "如何安装Apache2", 3600, 240},  {"Command5_3", "如何绑定子域名", 1920, 960},
    {"Command5_4", "如何安装MySQL", 5280, 240},    {"Command5_5", "Ubnutu推荐源", 5280, 960},
    {"Command5_6", "如何安装phpadmin", 6960, 240}, {"Command5_7", "软件说明", 6960, 960},
    {"Command5_8", "如何安装zip解压", 3600, 960},  {"Command5_9", "Ubuntu系统介绍", 240, 240},
};

void guideButtons(QWidget* box) {
    for (const GuideButton& b : kGuideButtons) {
        auto* button = place<QPushButton>(box, b.name, twipsRect(b.left, b.top, 1575, 615));
        button->setText(QString::fromUtf8(b.caption));
        button->setEnabled(false);
    }
}

}  // namespace

BrowserWidgets buildMainWindowControls(QWidget* w) {
    BrowserWidgets browser;

    browser.byCommand = place<QRadioButton>(w, "Option1_0", twipsRect(7080, 1800, 1815, 375));
    browser.byCommand->setText(QStringLiteral("使用指令进行搜索"));

    QFrame* toast = panel(w, "um_7", twipsRect(3600, 3480, 2535, 615), true);
    label(toast, "Label9", QStringLiteral("复制成功"), twipsRect(720, 120, 960, 315));

    auto* searchCaption = place<QWidget>(w, "Picture3", twipsRect(4920, 2355, 615, 375));
    label(searchCaption, "Label3", QStringLiteral("搜索"), twipsRect(120, 0, 480, 315));

    browser.display = place<CommandDisplay>(w, "Text2", twipsRect(5040, 3000, 3975, 1575));
    browser.display->setFont(chineseFont(10.5));

    auto* copy = place<QPushButton>(w, "Command1", twipsRect(5040, 4800, 3975, 615));
    copy->setText(QStringLiteral("复制"));
    copy->setEnabled(false);  // copying comes with the clipboard support

    browser.searchBox = place<QLineEdit>(w, "Text1", twipsRect(5760, 2430, 3255, 270));

    auto* guides = place<QFrame>(w, "Picture1", twipsRect(240, 5760, 8775, 1935));
    guides->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    guideButtons(guides);

    browser.list = place<SnippetListView>(w, "List1", twipsRect(240, 1800, 4575, 3660));
    browser.list->setFont(chineseFont(10.5));
    browser.list->setUniformItemSizes(true);
    browser.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    browser.list->setSelectionMode(QAbstractItemView::SingleSelection);

    browser.byName = place<QRadioButton>(w, "Option1_1", twipsRect(5040, 1800, 2175, 375));
    browser.byName->setText(QStringLiteral("使用名称进行搜索"));
    browser.byName->setChecked(true);

    panel(w, "um_0", twipsRect(11520, 1560, 8415, 5295), true);
    panel(w, "um_6", twipsRect(10920, 360, 6015, 6375), false);
    panel(w, "um_3", twipsRect(11280, 1320, 8055, 5295), false);
    panel(w, "um_4", twipsRect(12000, 1320, 8175, 6015), false);
    panel(w, "um_1", twipsRect(12360, 1440, 8055, 5535), false);
    auto* vhostTemplate = place<QPlainTextEdit>(w, "Text6", twipsRect(12000, 3120, 4095, 4815));
    vhostTemplate->setReadOnly(true);
    vhostTemplate->hide();
    panel(w, "um_2", twipsRect(10200, 1800, 8055, 5295), false);
    panel(w, "um_5", twipsRect(9960, 1800, 8175, 7455), false);

    // The list comes first in the tab order, so it has the focus when the window opens.
    QWidget::setTabOrder(browser.list, browser.byName);
    QWidget::setTabOrder(browser.byName, browser.byCommand);
    QWidget::setTabOrder(browser.byCommand, browser.searchBox);
    QWidget::setTabOrder(browser.searchBox, browser.display);
    browser.list->setFocus();
    return browser;
}

}  // namespace tolvaran
