#pragma once

#include <QApplication>
#include <QListView>
#include <QTest>

#include "command_display.h"
#include "fixture_database.h"
#include "main_window.h"
#include "recording_desktop.h"
#include "snippet_store.h"
#include "startup.h"

namespace tolvaran::test {

// The real program started on a fixture folder, with the desktop recorded.
struct StartedProgram {
    explicit StartedProgram(const QVector<SnippetRow>& rows) : folder(rows) {
        session = startUp(*qApp, folder.path(), recorder.desktop);
    }

    template <typename W>
    W* find(const char* name) const {
        return session->window->findChild<W*>(QLatin1String(name));
    }
    QStringList listed() const {
        const QAbstractItemModel* model = find<QListView>("List1")->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row) {
            names << model->index(row, 0).data().toString();
        }
        return names;
    }

    FixtureFolder folder;
    RecordingDesktop recorder;
    std::unique_ptr<Session> session;
};

}  // namespace tolvaran::test
