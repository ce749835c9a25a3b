#pragma once

#include "db/content_fingerprints.h"

#include <QString>
#include <QStringList>
#include <map>
#include <string>

namespace quillox::testing {

// What the program's start made of the store of the current home.
struct StartedStore {
    QString refusal;                 // the start's message when it refused the store
    std::string integrity;           // SQLite's first finding on the database, "ok" when whole
    std::map<QString, QString> rows; // each document's name and its stored copy's path
    db::ContentFingerprints fingerprints;
    QStringList leftovers; // hidden files of unfinished copies left after the start
};

// Starts as the program does after a run that did not end cleanly: removes the unfinished
// copies, then opens the store.
StartedStore startStore();

} // namespace quillox::testing
