#include "store/copy_fingerprint.h"

#include "db/tdb_database.h"
#include "platform/sha256.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace quillox::store {

db::ContentFingerprint fingerprintOfCopy(const QString& path, int documentId) {
    platform::FileDigest digest = platform::digestFile(path);
    return {documentId, digest.size, digest.modifiedNs, std::move(digest.sha256)};
}

SourceFingerprint::SourceFingerprint(const QString& sourcePath)
    : hashing_([this, sourcePath](std::stop_token stop) {
          try {
              digest_ = platform::digestFile(sourcePath, stop);
          } catch (...) {
              failure_ = std::current_exception();
          }
      }) {}

db::ContentFingerprint SourceFingerprint::forCopy(const QString& copyPath, int documentId) {
    hashing_.join();
    struct stat copy {};
    if (failure_ || ::stat(QFile::encodeName(copyPath).constData(), &copy) != 0 ||
        copy.st_size != digest_.size)
        return fingerprintOfCopy(copyPath, documentId);
    return {documentId, digest_.size,
            static_cast<std::int64_t>(copy.st_mtim.tv_sec) * 1'000'000'000 + copy.st_mtim.tv_nsec,
            digest_.sha256};
}

void recordFingerprint(db::TDbDatabase& database, const QString& path,
                       const db::ContentFingerprint& fingerprint) {
    db::recordFingerprint(database.Connection(), QFileInfo(path).fileName().toStdString(),
                          fingerprint);
}

} // namespace quillox::store
