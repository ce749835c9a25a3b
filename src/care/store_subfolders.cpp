#include "care/store_subfolders.h"

#include "platform/user_error.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace quillox::care {
namespace {

constexpr int folderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool isLink(int folder, const QByteArray& name) {
    struct stat status {};
    return ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(status.st_mode);
}

} // namespace

StoreSubfolders::StoreSubfolders(const QString& storeFolder)
    : path_(storeFolder), store_(::open(QFile::encodeName(storeFolder).constData(),
                                        O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (!store_.valid())
        throw platform::UserError(QString("The store folder \"%1\" cannot be opened: %2.")
                                      .arg(storeFolder, reason(errno)));
}

platform::Descriptor StoreSubfolders::open(const QByteArray& path, QList<QByteArray>* made) const {
    platform::Descriptor current(::fcntl(store_.get(), F_DUPFD_CLOEXEC, 0));
    QByteArray reached;
    for (const QByteArray& part : path.split('/')) {
        if (part.isEmpty())
            continue;
        reached += (reached.isEmpty() ? "" : "/") + part;
        if (made && ::mkdirat(current.get(), part.constData(), 0777) == 0)
            *made << reached;
        else if (made && errno != EEXIST)
            throw platform::UserError(QString("The store folder \"%1\" could not be made: %2.")
                                          .arg(shown(reached), reason(errno)));
        platform::Descriptor next(::openat(current.get(), part.constData(), folderFlags));
        if (!next.valid()) {
            const int error = errno;
            if (isLink(current.get(), part))
                throw platform::UserError(
                    QString("\"%1\" is a symbolic link below the store folder, and a restore "
                            "writes nothing through one. Put the folder it leads to in its "
                            "place, or move it aside, then restore again.")
                        .arg(shown(reached)));
            if (error == ENOENT && !made)
                return next;
            throw platform::UserError(QString("The store folder \"%1\" cannot be opened: %2.")
                                          .arg(shown(reached), reason(error)));
        }
        current = std::move(next);
    }
    return current;
}

QString StoreSubfolders::shown(const QByteArray& path) const {
    return path.isEmpty() ? path_ : path_ + "/" + QFile::decodeName(path);
}

void refuseLinksOnTheWay(const QString& storeFolder, const std::vector<QByteArray>& files) {
    struct stat status {};
    if (::stat(QFile::encodeName(storeFolder).constData(), &status) != 0)
        return;
    const StoreSubfolders folders(storeFolder);
    for (const QByteArray& file : files) {
        const qsizetype slash = file.lastIndexOf('/');
        if (slash > 0)
            folders.open(file.left(slash));
    }
}

} // namespace quillox::care
