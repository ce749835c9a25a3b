#include "platform/socket_folder.h"

#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::platform {
namespace {

// What keeps the folder from being the user's own; empty when nothing does.
QString flawOf(const QString& folder) {
    struct stat status {};
    if (::lstat(QFile::encodeName(folder).constData(), &status) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(status.st_mode))
        return "it is a link";
    if (!S_ISDIR(status.st_mode))
        return "it is not a folder";
    if (status.st_uid != ::getuid())
        return "it belongs to another user";
    if ((status.st_mode & 0077) != 0)
        return "other users may use it";
    return {};
}

} // namespace

QString socketFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && flawOf(runtime).isEmpty())
        return QDir::cleanPath(runtime);
    const QString folder = QDir::tempPath() + "/quillox-" + QString::number(::getuid());
    // A folder that is there already is checked like one just made.
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
        const int error = errno;
        throw UserError(QString("The folder \"%1\" for Quillox's sockets could not be created: "
                                "%2.")
                            .arg(folder, QString::fromLocal8Bit(std::strerror(error))));
    }
    const QString flaw = flawOf(folder);
    if (!flaw.isEmpty())
        throw UserError(QString("The folder \"%1\" for Quillox's sockets is not yours alone: "
                                "%2. Remove it, or set XDG_RUNTIME_DIR to a folder of your own")
                            .arg(folder, flaw));
    return folder;
}

} // namespace quillox::platform
