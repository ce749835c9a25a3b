#include "care/made_folders.h"

#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace quillox::care {

MadeFolders::~MadeFolders() {
    if (kept_)
        return;
    for (auto folder = made_.crbegin(); folder != made_.crend(); ++folder)
        QDir().rmdir(*folder);
}

void MadeFolders::make(const QString& path, const QString& role) {
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    QString part;
    for (const QString& name : folder.split('/', Qt::SkipEmptyParts)) {
        part += "/" + name;
        const QByteArray native = QFile::encodeName(part);
        if (::mkdir(native.constData(), 0777) == 0) {
            made_ << part;
            continue;
        }
        struct stat status {};
        const int error = errno;
        if (error != EEXIST || ::stat(native.constData(), &status) != 0 ||
            !S_ISDIR(status.st_mode)) {
            throw platform::UserError(
                QString("The %1 \"%2\" could not be made: %3.")
                    .arg(role, part,
                         QString::fromLocal8Bit(std::strerror(error == EEXIST ? ENOTDIR : error))));
        }
    }
}

} // namespace quillox::care
