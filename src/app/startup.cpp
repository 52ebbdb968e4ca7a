#include "startup.h"

#include <QApplication>
#include <QIcon>

#include "app_folder.h"
#include "desktop.h"
#include "main_window.h"
#include "series_title.h"
#include "skin.h"
#include "snippet_browser.h"
#include "snippet_store.h"
#include "ui_font.h"

#ifndef TOLVARAN_ADMIN_CONTACT
#define TOLVARAN_ADMIN_CONTACT ""
#endif

namespace tolvaran {
namespace {

// The skin is shown in grey: hue kept, all saturation taken out, brightness kept.
constexpr HsvShift kGreySkin{0, -100, 0};
constexpr qreal kDefaultPointSize = 9;

// Opens the snippet database, or tells the user why not and ends the program.
std::unique_ptr<SnippetStore> openStoreOrEnd(const QString& appFolder, Desktop& desktop) {
    const QString path = databasePath(appFolder);
    SnippetStore::Opened opened = SnippetStore::open(path);
    if (opened.store) {
        return std::move(opened.store);
    }
    desktop.messages.show({opened.error + QStringLiteral("\r\n") + path, MessageIcon::None,
                           MessageButtons::Ok, QString()});
    desktop.messages.show(
        {QStringLiteral("数据库链接出错!请联系管理员QQ:") + administratorContact(),
         MessageIcon::Information, MessageButtons::Ok, QStringLiteral("提示")});
    desktop.exit.end(1);
    return nullptr;
}

// The update check runs here, once the window is shown.
void checkForUpdates() {}

}  // namespace

Session::~Session() = default;

QString administratorContact() {
    return QStringLiteral(TOLVARAN_ADMIN_CONTACT);
}

std::unique_ptr<Session> startUp(QApplication& app, const QString& appFolder, Desktop& desktop) {
    auto session = std::make_unique<Session>();
    session->store = openStoreOrEnd(appFolder, desktop);
    if (!session->store) {
        return nullptr;
    }
    // The default font of a Chinese desktop, with glyphs for Chinese wherever the program runs.
    app.setFont(chineseFont(kDefaultPointSize));
    session->window = std::make_unique<MainWindow>(*session->store, desktop);
    session->window->setWindowIcon(QIcon());
    session->window->browser().showAllNames();
    applySkin(app, skinPath(appFolder), kGreySkin);
    setSeriesTitle(QString::fromUtf16(kSeriesTitle));
    session->window->showCentred();
    checkForUpdates();
    return session;
}

}  // namespace tolvaran
