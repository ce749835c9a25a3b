#pragma once

#include <QString>

namespace quillox::store {

// The file that a restore keeps beside the database file while the store is incomplete: some
// stored copies may be in place without the database that names them. It holds the backup
// folder's path.
QString restoreMarkerFile(const QString& databaseFile);

// Refuses, with platform::UserError saying how to finish it, a store whose restore was
// interrupted: starting on it, or a new store beside its copies, would lose the restore.
void refuseInterruptedRestore(const QString& databaseFile);

} // namespace quillox::store
