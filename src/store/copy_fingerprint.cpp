#include "store/copy_fingerprint.h"

#include "db/tdb_database.h"
#include "platform/sha256.h"

#include <QFileInfo>

namespace quillox::store {

db::ContentFingerprint fingerprintOfCopy(const QString& path, int documentId) {
    platform::FileDigest digest = platform::digestFile(path);
    return {documentId, digest.size, digest.modifiedNs, std::move(digest.sha256)};
}

void recordFingerprint(db::TDbDatabase& database, const QString& path,
                       const db::ContentFingerprint& fingerprint) {
    db::recordFingerprint(database.Connection(), QFileInfo(path).fileName().toStdString(),
                          fingerprint);
}

} // namespace quillox::store
