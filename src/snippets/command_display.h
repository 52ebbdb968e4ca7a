#pragma once

#include <QPlainTextEdit>

namespace tolvaran {

// Shows the chosen snippet's command and lets the user edit it. text() gives exactly what
// was shown, CR LF line breaks included; after the user edits, it gives the edited text with
// CR LF line breaks (the editor itself only knows LF).
class CommandDisplay : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CommandDisplay(QWidget* parent = nullptr);

    void showCommand(const QString& text);
    QString text() const;

private:
    QString m_shown;
    bool m_edited = false;
    bool m_showing = false;
};

}  // namespace tolvaran
