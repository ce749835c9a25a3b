#include "platform/storage_folders.h"

#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::platform {
namespace {

QString location(QStandardPaths::StandardLocation which, const QString& what) {
    const QString path = QStandardPaths::writableLocation(which);
    if (path.isEmpty())
        throw UserError("The system names no " + what + " folder.");
    return QDir::cleanPath(path);
}

QByteArray parentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

int syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

QString applicationDataFolder() {
    return location(QStandardPaths::GenericDataLocation, "application-data");
}

QString documentsFolder() {
    return location(QStandardPaths::DocumentsLocation, "documents");
}

int makeFolders(const QString& path) {
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    const QByteArray native = QFile::encodeName(folder);
    // Each missing folder from the top down, so that the error is the one of the first folder
    // that could not be made, not that a folder above it is missing.
    struct stat status {};
    for (qsizetype end = native.indexOf('/', 1);; end = native.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? native : native.left(end);
        if (::stat(part.constData(), &status) != 0) {
            if (::mkdir(part.constData(), 0777) == 0) {
                // Until the folder above is flushed, a power cut may take the new folder, and
                // with it whatever is filed into it.
                if (const int error = syncFolder(parentOf(part)); error != 0)
                    return error;
            } else if (errno != EEXIST) {
                return errno;
            }
        }
        if (end < 0)
            break;
    }
    if (::stat(native.constData(), &status) != 0)
        return errno;
    return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

void makeFolder(const QString& path, const QString& role) {
    if (const int error = makeFolders(path); error != 0) {
        throw UserError(QString("The %1 folder \"%2\" could not be created: %3.")
                            .arg(role, QDir::cleanPath(QDir(path).absolutePath()),
                                 QString::fromLocal8Bit(std::strerror(error))));
    }
}

} // namespace quillox::platform
