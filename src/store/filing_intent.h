#pragma once

#include <QString>

namespace quillox::db {
class TDbDatabase;
}

namespace quillox::store {

// Records durably that a filing is about to give its copy this path in the store folder, before
// the copy can get it, so that the next start can remove a copy that a kill left without its
// row. Throws DbError.
void recordFilingIntent(db::TDbDatabase& database, const QString& path);

// Forgets the path once its row is committed, or once the copy will not get it. Throws DbError.
void dropFilingIntent(db::TDbDatabase& database, const QString& path);

} // namespace quillox::store
