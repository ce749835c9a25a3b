#pragma once

#include <QString>
#include <QStringList>

namespace quillox::care {

// The file a restore stages the database in, beside the database file: hidden, of a name that
// a restore killed on the way leaves for the next one to find.
QString stagedDatabaseFile(const QString& databaseFile);

// The files that restores killed on the way left beside the database file: the staged database,
// its journal, and the marker being written; their paths.
QStringList restoreLeftovers(const QString& databaseFile);

// Removes them; only while holding the store's lock, when no restore runs. Throws UserError
// naming a file that cannot be removed.
void removeRestoreLeftovers(const QStringList& leftovers);

} // namespace quillox::care
