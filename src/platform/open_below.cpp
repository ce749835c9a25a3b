#include "platform/open_below.h"

#include <QList>
#include <fcntl.h>
#include <sys/stat.h>

namespace quillox::platform {
namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Opens the folders of the parts before the last one, each below the one before; the folder
// itself for a path of one part. With makeMissing, a missing folder is made first.
Descriptor openParents(int folder, const QList<QByteArray>& parts, bool makeMissing) {
    Descriptor current(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    for (qsizetype i = 0; current.valid() && i + 1 < parts.size(); ++i) {
        if (makeMissing && ::mkdirat(current.get(), parts[i].constData(), 0777) != 0 &&
            errno != EEXIST)
            return Descriptor();
        current = Descriptor(::openat(current.get(), parts[i].constData(), folderFlags));
    }
    return current;
}

} // namespace

bool isPathBelow(const QByteArray& path) {
    if (path.isEmpty() || path.contains('\0'))
        return false;
    for (const QByteArray& part : path.split('/')) {
        if (part.isEmpty() || part == "." || part == "..")
            return false;
    }
    return true;
}

Descriptor openBelow(int folder, const QByteArray& path, int flags, mode_t mode) {
    if (!isPathBelow(path)) {
        errno = EINVAL;
        return Descriptor();
    }
    const QList<QByteArray> parts = path.split('/');
    const Descriptor parent = openParents(folder, parts, false);
    if (!parent.valid())
        return Descriptor();
    return Descriptor(
        ::openat(parent.get(), parts.back().constData(), flags | O_NOFOLLOW | O_CLOEXEC, mode));
}

int makeFoldersBelow(int folder, const QByteArray& path) {
    if (!isPathBelow(path))
        return EINVAL;
    const Descriptor made = openParents(folder, path.split('/') << QByteArray("."), true);
    return made.valid() ? 0 : errno;
}

} // namespace quillox::platform
