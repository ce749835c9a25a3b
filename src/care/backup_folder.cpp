#include "care/backup_folder.h"

#include "care/backup_manifest.h"
#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace quillox::care {
namespace {

[[noreturn]] void failMaking(const QString& path, int error) {
    throw platform::UserError(QString("The backup folder \"%1\" could not be made: %2.")
                                  .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace

BackupFolder::BackupFolder(const QString& path, const QString& storeFolder)
    : path_(QDir::cleanPath(QFileInfo(path).absoluteFilePath())) {
    const QString store = QDir::cleanPath(storeFolder);
    if (path_ == store || path_.startsWith(store + "/")) {
        throw platform::UserError(
            QString("The backup folder \"%1\" is inside the store folder \"%2\". Choose a "
                    "folder elsewhere, for example on another disk.")
                .arg(path_, store));
    }
    const QByteArray native = QFile::encodeName(path_);
    if (::mkdir(native.constData(), 0777) == 0)
        made_ = true;
    else if (errno != EEXIST)
        failMaking(path_, errno);
    folder_ = platform::Descriptor(::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder_.valid()) {
        const int error = errno;
        if (made_)
            QDir().rmdir(path_);
        throw platform::UserError(
            QString("\"%1\" is not a folder a backup can be written into: %2.")
                .arg(path_, QString::fromLocal8Bit(std::strerror(error))));
    }
    if (!made_ && !QDir(path_).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System |
                                       QDir::NoDotAndDotDot)) {
        throw platform::UserError(QString("The backup folder \"%1\" is not empty. Name a new "
                                          "folder, or an empty one, for the backup.")
                                      .arg(path_));
    }
}

BackupFolder::~BackupFolder() {
    if (finished_ || !folder_.valid())
        return;
    // Only the names a backup writes: the folder was empty before.
    QDir(filePath(backupDocumentsFolder)).removeRecursively();
    for (const QString& name :
         {QString(backupDatabaseName), QString(backupDatabaseName) + "-journal",
          QString(manifestName), QString(unfinishedManifestName)})
        QFile::remove(filePath(name));
    if (made_)
        QDir().rmdir(path_);
}

} // namespace quillox::care
