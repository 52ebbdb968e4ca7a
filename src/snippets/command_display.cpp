#include "command_display.h"

namespace tolvaran {

CommandDisplay::CommandDisplay(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing) {
            m_edited = true;
        }
    });
}

void CommandDisplay::showCommand(const QString& text) {
    m_shown = text;
    m_edited = false;
    m_showing = true;
    setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_showing = false;
}

QString CommandDisplay::text() const {
    if (!m_edited) {
        return m_shown;
    }
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace tolvaran
