#include "platform/file_copy.h"

#include "platform/user_error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quillox::platform {
namespace {

// Large enough that the system calls cost nothing next to the disk, small enough that a
// progress bar moves several times a second.
constexpr std::size_t chunkSize = 8 * 1024 * 1024;
constexpr int temporaryNameAttempts = 16;

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

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, so that a failure of the last write is seen: 0, or the errno value.
    int close() { return ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno; }

private:
    int fd_ = -1;
};

struct Source {
    Descriptor file;
    qint64 size = 0;
};

// O_NONBLOCK keeps the open of a named pipe from waiting for a writer. The type is checked on
// the opened file, so that it cannot change between the check and the reads.
Source openSource(const QString& path) {
    Source source{Descriptor(::open(nativePath(path).constData(),
                                    O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)),
                  0};
    struct stat status {};
    if (!source.file.valid() || ::fstat(source.file.get(), &status) != 0)
        throw UserError(QString("The file \"%1\" could not be read: %2.").arg(path, reason(errno)));
    if (S_ISDIR(status.st_mode))
        throw UserError(QString("\"%1\" is a folder, not a file.").arg(path));
    if (!S_ISREG(status.st_mode))
        throw UserError(QString("\"%1\" is not an ordinary file.").arg(path));
    source.size = status.st_size;
    return source;
}

// The copy's hidden file in the target's folder, removed unless it was renamed.
class TemporaryFile {
public:
    explicit TemporaryFile(int folder) : folder_(folder) {
        for (int attempt = 0; attempt < temporaryNameAttempts; ++attempt) {
            const QByteArray name =
                ".quillox-copy-" + QByteArray::number(QRandomGenerator::system()->generate64(), 16);
            file_ = Descriptor(
                ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (file_.valid())
                name_ = name;
            if (file_.valid() || errno != EEXIST)
                return;
        }
    }
    ~TemporaryFile() {
        if (!name_.isEmpty())
            ::unlinkat(folder_, name_.constData(), 0);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    Descriptor& file() { return file_; }
    const QByteArray& name() const { return name_; }
    // The file has its final name now.
    void keep() { name_.clear(); }

private:
    int folder_;
    QByteArray name_;
    Descriptor file_;
};

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

struct CopyJob {
    const QString& source;
    const QString& target;
    const CopyProgress& progress;
};

// Copies to the end of the source, telling the progress function after each chunk. False when
// it asked to stop.
bool copyBytes(const CopyJob& job, int from, int to, qint64 size) {
    bool kernelCopy = true;
    std::vector<char> buffer;
    qint64 copied = 0;
    for (;;) {
        ssize_t done = -1;
        if (kernelCopy) {
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
        if (done == 0)
            return true;
        // Start writing the chunk out now, so that the flush at the end does not wait for the
        // whole file and the disk works while the next chunk is read.
        ::sync_file_range(to, copied, done, SYNC_FILE_RANGE_WRITE);
        copied += done;
        if (job.progress && !job.progress(copied, std::max(size, copied)))
            return false;
    }
}

// Gives the temporary file the target's name unless that name is taken: 0, or the errno value
// (EEXIST when taken). A hard link stands in where the file system cannot rename that way.
int placeWithoutReplacing(int folder, const QByteArray& from, const QByteArray& to) {
    if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::linkat(folder, from.constData(), folder, to.constData(), 0) != 0)
        return errno;
    ::unlinkat(folder, from.constData(), 0);
    return 0;
}

} // namespace

void checkCopySource(const QString& source) {
    openSource(source);
}

CopyOutcome copyFileSafely(const QString& source, const QString& target,
                           const CopyProgress& progress, ExistingTarget existing) {
    Source from = openSource(source);
    const QFileInfo targetInfo(target);
    const QByteArray targetName = nativePath(targetInfo.fileName());
    const Descriptor folder(::open(nativePath(targetInfo.absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        failCopy(source, target, errno);
    TemporaryFile temporary(folder.get());
    if (!temporary.file().valid())
        failCopy(source, target, errno);
    if (!copyBytes({source, target, progress}, from.file.get(), temporary.file().get(), from.size))
        return CopyOutcome::Cancelled;
    if (::fsync(temporary.file().get()) != 0)
        failCopy(source, target, errno);
    if (const int error = temporary.file().close())
        failCopy(source, target, error);

    const int error = existing == ExistingTarget::Replace
                          ? (::renameat(folder.get(), temporary.name().constData(), folder.get(),
                                        targetName.constData()) == 0
                                 ? 0
                                 : errno)
                          : placeWithoutReplacing(folder.get(), temporary.name(), targetName);
    if (error == EEXIST)
        return CopyOutcome::TargetExists;
    if (error != 0)
        failCopy(source, target, error);
    temporary.keep();
    // The new name must reach the disk too, or a crash could leave the copy nameless. A
    // replaced file is gone already, so its replacement stays.
    if (::fsync(folder.get()) != 0) {
        const int syncError = errno;
        if (existing == ExistingTarget::Keep)
            ::unlinkat(folder.get(), targetName.constData(), 0);
        failCopy(source, target, syncError);
    }
    return CopyOutcome::Copied;
}

} // namespace quillox::platform
