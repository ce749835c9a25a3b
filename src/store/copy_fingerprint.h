#pragma once

#include "db/content_fingerprints.h"

#include <QString>
#include <string>

namespace quillox::db {
class TDbDatabase;
}

namespace quillox::store {

// The fingerprint of a copy just made, for the document filed with it: the copy's size and
// time as they are now, and the SHA-256 of the bytes written into it. Throws UserError when the
// copy cannot be looked at.
db::ContentFingerprint fingerprintOfNewCopy(const QString& path, int documentId,
                                            std::string sha256);

// Records the fingerprint of a stored copy under its file name. Throws DbError.
void recordFingerprint(db::TDbDatabase& database, const QString& path,
                       const db::ContentFingerprint& fingerprint);

} // namespace quillox::store
