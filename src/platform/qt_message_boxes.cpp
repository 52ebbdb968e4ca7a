#include "qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tolvaran {
namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtMessageBoxes::show(const Message& message) {
    QMessageBox box(iconOf(message.icon), message.title, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes = nullptr;
    if (message.buttons == MessageButtons::YesNo) {
        yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
        box.setEscapeButton(box.addButton(QStringLiteral("否"), QMessageBox::NoRole));
        box.setDefaultButton(yes);
    } else {
        box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
    }
    box.exec();
    if (yes == nullptr) {
        return MessageAnswer::Ok;
    }
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace tolvaran
