#include "store/copy_fingerprint.h"

#include "db/tdb_database.h"
#include "platform/user_error.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace quillox::store {

db::ContentFingerprint fingerprintOfNewCopy(const QString& path, int documentId,
                                            std::string sha256) {
    struct stat copy {};
    if (::lstat(QFile::encodeName(path).constData(), &copy) != 0)
        throw platform::UserError(
            QString("The file \"%1\" could not be read: %2.").arg(path, std::strerror(errno)));
    return {documentId, copy.st_size,
            static_cast<std::int64_t>(copy.st_mtim.tv_sec) * 1'000'000'000 + copy.st_mtim.tv_nsec,
            std::move(sha256)};
}

void recordFingerprint(db::TDbDatabase& database, const QString& path,
                       const db::ContentFingerprint& fingerprint) {
    db::recordFingerprint(database.Connection(), QFileInfo(path).fileName().toStdString(),
                          fingerprint);
}

} // namespace quillox::store
