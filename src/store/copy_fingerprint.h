#pragma once

#include "db/content_fingerprints.h"

#include <QString>

namespace quillox::db {
class TDbDatabase;
}

namespace quillox::store {

// The fingerprint of the stored copy at the path as it is now, for the document filed with it.
// Throws UserError when the copy cannot be read.
db::ContentFingerprint fingerprintOfCopy(const QString& path, int documentId);

// Records the fingerprint of a stored copy under its file name. Throws DbError.
void recordFingerprint(db::TDbDatabase& database, const QString& path,
                       const db::ContentFingerprint& fingerprint);

} // namespace quillox::store
