#pragma once

#include "store/start_kind.h"

#include <QString>
#include <functional>

namespace quillox::db {
class TDbDatabase;
}

namespace quillox::store {

// Asks the user the question; true for yes.
using ConfirmFreshStart = std::function<bool(const QString& question)>;

// Opens the database's file as the store: refuses one whose restore was interrupted (see
// refuseInterruptedRestore); creates it when there is none; after an unclean end
// (the start kind, or a journal left beside the file) first checks it whole, and refuses a
// damaged one, and a folder in the file's place; starts a new store in an empty file only when
// confirm says yes. Writes nothing to a file it refuses. Throws platform::UserError or db::DbError
// with the reason.
void openStoreFile(db::TDbDatabase& database, StartKind previousRun,
                   const ConfirmFreshStart& confirm);

} // namespace quillox::store
