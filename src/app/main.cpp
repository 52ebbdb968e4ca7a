#include <QApplication>

#include "app_folder.h"
#include "desktop.h"
#include "process_exit.h"
#include "qt_message_boxes.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolvaran::QtMessageBoxes messages;
    tolvaran::ProcessExit exit;
    tolvaran::Desktop desktop{messages, exit};
    const auto session = tolvaran::startUp(app, tolvaran::applicationFolder(), desktop);
    if (!session) {
        return 1;
    }
    return QApplication::exec();
}
