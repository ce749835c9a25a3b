#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillox::testing {

// What a program run under the file-system recorder did.
struct RecordedRun {
    int exitCode = -1;
    QByteArray log; // the recorder's records, as crash_states.h reads them
    QString errors; // the program's standard error
};

// Runs the program in this process's environment (the current TempHome's) with the recorder
// loaded, recording what it changes below the root.
RecordedRun runRecorded(const QString& program, const QStringList& arguments, const QString& root);

} // namespace quillox::testing
