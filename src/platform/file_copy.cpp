#include "platform/file_copy.h"

#include "platform/descriptor.h"
#include "platform/hashed_copy.h"
#include "platform/unfinished_copy.h"
#include "platform/user_error.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillox::platform {
namespace {

// Large enough that the system calls cost nothing next to the disk, small enough that a
// progress bar moves several times a second.
constexpr std::size_t chunkSize = 8 * 1024 * 1024;

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A path holding a NUL would reach the system cut short, and so name another file; it gets
// the empty path, which names none.
QByteArray nativePath(const QString& path) {
    return path.contains(QChar(0)) ? QByteArray() : QFile::encodeName(path);
}

[[noreturn]] void failCopy(const QString& source, const QString& target, int error) {
    throw UserError(QString("The file \"%1\" could not be copied to \"%2\": %3.")
                        .arg(source, target, reason(error)));
}

struct Source {
    Descriptor file;
    struct stat status {};
};

// The type is checked on the opened file, so that it cannot change between the check and the
// reads.
struct stat sourceStatus(int file, const QString& path) {
    struct stat status {};
    if (::fstat(file, &status) != 0)
        throw UserError(QString("The file \"%1\" could not be read: %2.").arg(path, reason(errno)));
    if (S_ISDIR(status.st_mode))
        throw UserError(QString("\"%1\" is a folder, not a file.").arg(path));
    if (!S_ISREG(status.st_mode))
        throw UserError(QString("\"%1\" is not an ordinary file.").arg(path));
    return status;
}

// O_NONBLOCK keeps the open of a named pipe from waiting for a writer.
Source openSource(const QString& path) {
    Source source{Descriptor(
        ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK))};
    if (!source.file.valid())
        throw UserError(QString("The file \"%1\" could not be read: %2.").arg(path, reason(errno)));
    source.status = sourceStatus(source.file.get(), path);
    return source;
}

// Where the kernel does not offer an in-kernel copy between these two files.
bool kernelCopyMissing(int error) {
    return error == ENOSYS || error == EXDEV || error == EOPNOTSUPP || error == EINVAL;
}

// One chunk through user space: the bytes read, 0 at the end, -1 with errno on a failure.
ssize_t copyThroughBuffer(int from, int to, std::vector<char>& buffer) {
    buffer.resize(chunkSize);
    const ssize_t got = ::read(from, buffer.data(), buffer.size());
    for (ssize_t written = 0; written < got;) {
        const ssize_t put =
            ::write(to, buffer.data() + written, static_cast<std::size_t>(got - written));
        if (put < 0 && errno != EINTR)
            return -1;
        written += put < 0 ? 0 : put;
    }
    return got;
}

// One chunk through the hashing buffers, as copyThroughBuffer tells it.
ssize_t copyHashed(int from, int to, HashedCopy& copy) {
    const ContentsCopy chunk = copy.copyChunk(from, to);
    if (chunk.readError != 0 || chunk.writeError != 0) {
        errno = chunk.readError != 0 ? chunk.readError : chunk.writeError;
        return -1;
    }
    return static_cast<ssize_t>(chunk.bytes);
}

struct CopyJob {
    const QString& source;
    const QString& target;
    const CopyProgress& progress;
    std::string* sha256;
};

// Copies to the end of the source, telling the progress function after each chunk: the bytes
// copied, or nothing when it asked to stop.
std::optional<qint64> copyBytes(const CopyJob& job, int from, int to, qint64 size) {
    std::optional<HashedCopy> hashed;
    if (job.sha256)
        hashed.emplace(chunkSize);
    bool kernelCopy = !hashed;
    std::vector<char> buffer;
    qint64 copied = 0;
    for (;;) {
        ssize_t done = -1;
        if (hashed) {
            done = copyHashed(from, to, *hashed);
        } else if (kernelCopy) {
            done = ::copy_file_range(from, nullptr, to, nullptr, chunkSize, 0);
            // A 0 is also what some file systems answer instead of an error; reading tells.
            if (done == 0 || (done < 0 && kernelCopyMissing(errno))) {
                kernelCopy = false;
                continue;
            }
        } else {
            done = copyThroughBuffer(from, to, buffer);
        }
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            failCopy(job.source, job.target, errno);
        if (done == 0) {
            if (hashed)
                *job.sha256 = hashed->hexDigest();
            return copied;
        }
        // Start writing the chunk out now, so that the flush at the end does not wait for the
        // whole file and the disk works while the next chunk is read.
        ::sync_file_range(to, copied, done, SYNC_FILE_RANGE_WRITE);
        copied += done;
        if (job.progress && !job.progress(copied, std::max(size, copied)))
            return std::nullopt;
    }
}

// Whether the source was written to while it was copied, or the copy did not read it as it was
// when opened: a file still being written, or cut short, would be copied in part.
bool changedWhileCopied(int file, const struct stat& before, qint64 copied) {
    struct stat now {};
    if (::fstat(file, &now) != 0)
        return true;
    return copied != before.st_size || now.st_size != before.st_size ||
           now.st_mtim.tv_sec != before.st_mtim.tv_sec ||
           now.st_mtim.tv_nsec != before.st_mtim.tv_nsec;
}

} // namespace

void checkCopySource(const QString& source) {
    openSource(source);
}

CopyOutcome copyFileSafely(const QString& source, const QString& target,
                           const CopyProgress& progress, ExistingTarget existing,
                           std::string* sha256) {
    const Source from = openSource(source);
    return copyOpenFileSafely(from.file.get(), source, target, progress, existing, sha256);
}

CopyOutcome copyOpenFileSafely(int sourceFile, const QString& source, const QString& target,
                               const CopyProgress& progress, ExistingTarget existing,
                               std::string* sha256) {
    const QFileInfo targetInfo(target);
    const Descriptor folder(::open(nativePath(targetInfo.absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        sourceStatus(sourceFile, source);
        failCopy(source, target, errno);
    }
    return copyOpenFileIntoFolder(sourceFile, source, folder.get(),
                                  nativePath(targetInfo.fileName()), target, progress, existing,
                                  sha256);
}

CopyOutcome copyOpenFileIntoFolder(int sourceFile, const QString& source, int folder,
                                   const QByteArray& name, const QString& target,
                                   const CopyProgress& progress, ExistingTarget existing,
                                   std::string* sha256) {
    const struct stat status = sourceStatus(sourceFile, source);
    UnfinishedCopy copy(folder);
    if (!copy.file().valid())
        failCopy(source, target, copy.error());
    const std::optional<qint64> copied = copyBytes({source, target, progress, sha256}, sourceFile,
                                                   copy.file().get(), status.st_size);
    if (!copied)
        return CopyOutcome::Cancelled;
    if (changedWhileCopied(sourceFile, status, *copied)) {
        throw UserError(QString("The file \"%1\" changed while it was being copied, so no copy "
                                "was kept. Try again once it no longer changes.")
                            .arg(source));
    }
    if (::fsync(copy.file().get()) != 0)
        failCopy(source, target, errno);
    const int error = copy.giveName(name, existing);
    if (error == EEXIST && existing == ExistingTarget::Keep)
        return CopyOutcome::TargetExists;
    if (error != 0)
        failCopy(source, target, error);
    // The new name must reach the disk too, or a crash could leave the copy nameless. A
    // replaced file is gone already, so its replacement stays.
    if (::fsync(folder) != 0) {
        const int syncError = errno;
        if (existing == ExistingTarget::Keep)
            ::unlinkat(folder, name.constData(), 0);
        failCopy(source, target, syncError);
    }
    return CopyOutcome::Copied;
}

} // namespace quillox::platform
