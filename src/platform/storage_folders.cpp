#include "platform/storage_folders.h"

#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace quillox::platform {
namespace {

QString location(QStandardPaths::StandardLocation which, const QString& what) {
    const QString path = QStandardPaths::writableLocation(which);
    if (path.isEmpty())
        throw UserError("The system names no " + what + " folder.");
    return QDir::cleanPath(path);
}

} // namespace

QString applicationDataFolder() {
    return location(QStandardPaths::GenericDataLocation, "application-data");
}

QString documentsFolder() {
    return location(QStandardPaths::DocumentsLocation, "documents");
}

void makeFolder(const QString& path, const QString& role) {
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    const QByteArray native = QFile::encodeName(folder);
    const auto fail = [&](int error) {
        throw UserError(QString("The %1 folder \"%2\" could not be created: %3.")
                            .arg(role, folder, QString::fromLocal8Bit(std::strerror(error))));
    };
    // Each missing folder from the top down, so that the reason given is the one of the first
    // folder that could not be made, not that a folder above it is missing.
    struct stat status {};
    for (qsizetype end = native.indexOf('/', 1);; end = native.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? native : native.left(end);
        if (::stat(part.constData(), &status) != 0 && ::mkdir(part.constData(), 0777) != 0 &&
            errno != EEXIST)
            fail(errno);
        if (end < 0)
            break;
    }
    if (::stat(native.constData(), &status) != 0)
        fail(errno);
    if (!S_ISDIR(status.st_mode))
        fail(ENOTDIR);
}

} // namespace quillox::platform
