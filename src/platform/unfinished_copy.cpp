#include "platform/unfinished_copy.h"

#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace quillox::platform {
namespace {

const QByteArray hiddenPrefix = ".quillox-copy-";
constexpr qsizetype hiddenDigitsAtMost = 16;
constexpr int hiddenNameAttempts = 16;

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void failReading(const QString& folder, int error) {
    throw UserError(QString("The folder \"%1\" could not be read: %2.").arg(folder, reason(error)));
}

// The answers of a file system, or of a kernel, that cannot make a file without a name.
bool unnamedFilesMissing(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// Gives the file without a name a name in the folder, never replacing one: 0, or the errno
// value. Its entry in /proc names it to an ordinary user; without /proc, the descriptor itself
// does, which older kernels allow to privileged processes only.
int linkUnnamed(int file, int folder, const QByteArray& name) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file);
    if (::linkat(AT_FDCWD, self.constData(), folder, name.constData(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno != ENOENT)
        return errno;
    return ::linkat(file, "", folder, name.constData(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// Gives the named file the target's name unless that name is taken: 0, or the errno value
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

// The names of the folder's entries that have an unfinished copy's hidden name.
std::vector<QByteArray> hiddenNamesIn(int folder, const QString& path) {
    const int listed = ::dup(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(listed < 0 ? nullptr : ::fdopendir(listed),
                                                      ::closedir);
    if (!listing) {
        const int error = errno;
        if (listed >= 0)
            ::close(listed);
        failReading(path, error);
    }
    std::vector<QByteArray> names;
    errno = 0;
    while (const dirent* entry = ::readdir(listing.get())) {
        if (isUnfinishedCopyName(entry->d_name))
            names.emplace_back(entry->d_name);
        errno = 0;
    }
    if (errno != 0)
        failReading(path, errno);
    return names;
}

} // namespace

UnfinishedCopy::UnfinishedCopy(int folder) : folder_(folder) {
    file_ = Descriptor(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file_.valid())
        return;
    error_ = errno;
    if (!unnamedFilesMissing(error_))
        return;
    error_ = giveHiddenName([&](const QByteArray& name) {
        file_ = Descriptor(
            ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        return file_.valid() ? 0 : errno;
    });
}

UnfinishedCopy::~UnfinishedCopy() {
    if (!hiddenName_.isEmpty())
        ::unlinkat(folder_, hiddenName_.constData(), 0);
}

template <typename MakeEntry> int UnfinishedCopy::giveHiddenName(MakeEntry makeEntry) {
    for (int attempt = 0; attempt < hiddenNameAttempts; ++attempt) {
        const QByteArray name =
            hiddenPrefix + QByteArray::number(QRandomGenerator::system()->generate64(), 16);
        const int error = makeEntry(name);
        if (error == 0)
            hiddenName_ = name;
        if (error != EEXIST)
            return error;
    }
    return EEXIST;
}

int UnfinishedCopy::giveName(const QByteArray& target, ExistingTarget existing) {
    if (hiddenName_.isEmpty()) {
        // A link never replaces a name; a rename, which can, needs a name to start from, which
        // a kill before the rename leaves behind.
        if (existing == ExistingTarget::Keep)
            return linkUnnamed(file_.get(), folder_, target);
        if (const int error = giveHiddenName(
                [&](const QByteArray& name) { return linkUnnamed(file_.get(), folder_, name); }))
            return error;
    }
    // Closed now, so that a failure of the last write is seen before the name is given.
    if (const int error = file_.close())
        return error;
    const int error =
        existing == ExistingTarget::Replace
            ? (::renameat(folder_, hiddenName_.constData(), folder_, target.constData()) == 0
                   ? 0
                   : errno)
            : placeWithoutReplacing(folder_, hiddenName_, target);
    if (error == 0)
        hiddenName_.clear();
    return error;
}

bool isUnfinishedCopyName(const QByteArray& name) {
    if (!name.startsWith(hiddenPrefix))
        return false;
    const QByteArray digits = name.mid(hiddenPrefix.size());
    return !digits.isEmpty() && digits.size() <= hiddenDigitsAtMost &&
           std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::vector<QByteArray> removeLeftoverCopies(const QString& folder) {
    const Descriptor directory(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.valid() && errno == ENOENT)
        return {};
    if (!directory.valid())
        failReading(folder, errno);
    std::vector<QByteArray> removed;
    for (const QByteArray& name : hiddenNamesIn(directory.get(), folder)) {
        struct stat status {};
        if (::fstatat(directory.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        if (::unlinkat(directory.get(), name.constData(), 0) == 0) {
            removed.push_back(name);
        } else if (errno != ENOENT) {
            const int error = errno;
            throw UserError(
                QString("The unfinished copy \"%1\" could not be removed: %2.")
                    .arg(QDir(folder).filePath(QFile::decodeName(name)), reason(error)));
        }
    }
    return removed;
}

} // namespace quillox::platform
