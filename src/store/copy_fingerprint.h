#pragma once

#include "db/content_fingerprints.h"

#include "platform/sha256.h"

#include <QString>
#include <exception>
#include <thread>

namespace quillox::db {
class TDbDatabase;
}

namespace quillox::store {

// The fingerprint of the stored copy at the path as it is now, for the document filed with it.
// Throws UserError when the copy cannot be read.
db::ContentFingerprint fingerprintOfCopy(const QString& path, int documentId);

// Hashes a source on another thread while it is copied into the store, so that filing takes no
// longer than the copy; the copy refuses a source that changes meanwhile, so the copy holds the
// bytes hashed. Stops hashing when it goes unasked.
class SourceFingerprint {
public:
    explicit SourceFingerprint(const QString& sourcePath);

    // The fingerprint of the finished copy: its size and time, the source's SHA-256. Waits for
    // the hashing; reads the copy itself should the two differ in size. Throws UserError when
    // neither can be read.
    db::ContentFingerprint forCopy(const QString& copyPath, int documentId);

private:
    platform::FileDigest digest_;
    std::exception_ptr failure_;
    std::jthread hashing_;
};

// Records the fingerprint of a stored copy under its file name. Throws DbError.
void recordFingerprint(db::TDbDatabase& database, const QString& path,
                       const db::ContentFingerprint& fingerprint);

} // namespace quillox::store
