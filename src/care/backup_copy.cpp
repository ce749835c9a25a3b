#include "care/backup_copy.h"

#include "care/backup_selection.h"
#include "platform/hashed_copy.h"
#include "platform/open_below.h"
#include "platform/user_error.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::care {
namespace {

constexpr int copyAttempts = 3;
// Small enough that four copies at once take little memory, large enough that the hashing
// thread is handed few chunks.
constexpr std::size_t chunkSize = 1 << 20;

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

std::int64_t modifiedNs(const struct stat& status) {
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
           status.st_mtim.tv_nsec;
}

TakenCopy refused(const QString& problem) {
    return {TakenCopy::Outcome::Refused, 0, {}, problem, false};
}

[[noreturn]] void failWriting(const QString& path, int error) {
    throw platform::UserError(
        QString("The backup's file \"%1\" could not be written: %2.").arg(path, reason(error)));
}

// The target, made new in the backup's folder of stored copies with any folder above it.
platform::Descriptor makeTarget(const CopyFolders& folders, const QByteArray& name,
                                const QString& shown) {
    const qsizetype slash = name.lastIndexOf('/');
    if (slash > 0) {
        if (const int error = platform::makeFoldersBelow(folders.documents, name.left(slash)))
            failWriting(shown, error);
    }
    platform::Descriptor target =
        platform::openBelow(folders.documents, name, O_RDWR | O_CREAT | O_EXCL, 0666);
    if (!target.valid())
        failWriting(shown, errno);
    return target;
}

// Copies the whole source onto the empty target, hashing what it writes: its size, modification
// time and SHA-256 while it did not change, nothing when it changed on every attempt, or a
// refusal when it cannot be read.
TakenCopy copyUnchanged(int source, int target, const QString& sourcePath,
                        const QString& targetPath, struct stat& before) {
    for (int attempt = 0; attempt < copyAttempts; ++attempt) {
        if (attempt > 0 && (::ftruncate(target, 0) != 0 || ::lseek(target, 0, SEEK_SET) != 0))
            failWriting(targetPath, errno);
        if (attempt > 0 && ::lseek(source, 0, SEEK_SET) != 0)
            return refused(sourcePath + ": " + reason(errno));
        if (::fstat(source, &before) != 0)
            return refused(sourcePath + ": " + reason(errno));
        platform::HashedCopy copy(chunkSize);
        std::int64_t bytes = 0;
        for (;;) {
            const platform::ContentsCopy chunk = copy.copyChunk(source, target);
            if (chunk.writeError != 0)
                failWriting(targetPath, chunk.writeError);
            if (chunk.readError != 0)
                return refused(sourcePath + " could not be read: " + reason(chunk.readError));
            if (chunk.bytes == 0)
                break;
            bytes += chunk.bytes;
        }
        struct stat after {};
        if (::fstat(source, &after) != 0)
            return refused(sourcePath + ": " + reason(errno));
        if (bytes == before.st_size && after.st_size == before.st_size &&
            modifiedNs(after) == modifiedNs(before))
            return {TakenCopy::Outcome::Taken, bytes, copy.hexDigest(), {}, false};
    }
    return refused(sourcePath + " changed each time it was copied");
}

} // namespace

TakenCopy takeCopy(const CopyFolders& folders, const CopyToTake& copy) {
    const QString name = QFile::decodeName(copy.name);
    const QString sourcePath = folders.storePath + "/" + name;
    const QString targetPath = folders.documentsPath + "/" + name;
    const platform::Descriptor source =
        platform::openBelow(folders.store, copy.name, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (!source.valid() && errno == ENOENT)
        return {TakenCopy::Outcome::Gone, 0, {}, {}, false};
    if (!source.valid() && errno == ELOOP)
        return refused(sourcePath + " is reached through a symbolic link");
    if (!source.valid())
        return refused(sourcePath + " could not be read: " + reason(errno));
    struct stat before {};
    if (::fstat(source.get(), &before) != 0)
        return refused(sourcePath + " could not be read: " + reason(errno));
    if (!S_ISREG(before.st_mode))
        return refused(sourcePath + " is not an ordinary file");

    const platform::Descriptor target = makeTarget(folders, copy.name, targetPath);
    TakenCopy taken = copyUnchanged(source.get(), target.get(), sourcePath, targetPath, before);
    if (taken.outcome != TakenCopy::Outcome::Taken) {
        ::unlinkat(folders.documents, copy.name.constData(), 0);
        return taken;
    }
    // The disk starts on it now, while the next copies are made. This only asks; a failure to
    // write shows in the flush that ends the backup.
    ::sync_file_range(target.get(), 0, 0, SYNC_FILE_RANGE_WRITE);
    taken.changedSinceFiling = copy.fingerprint && copy.fingerprint->sha256 != taken.sha256;
    return taken;
}

} // namespace quillox::care
